#pragma once

#include <cstdint>
#include <optional>

// One channel's byte computed from its estimate e with 16-bit integers, where
// the tables would need a lookup per value:
//   level = whole x e + (tenths x e + 5) / 10, the second part as
//           ((e + tenthsOffset) x tenthsMultiplier) >> 16
//   byte  = 0 up to WindowLow, 255 from WindowHigh on, else
//           ((level - WindowLow) x 256) / WindowRange as a multiply by a
//           32-bit reciprocal split in two 16-bit halves.
// The tests hold it to the double formula for every estimate up to
// WideSampleCeiling; above that the wide rows are not used.
class ColourForm {
public:
    // Empty where no exact form exists: a gain that is not a whole number of
    // tenths; an odd number of tenths whose double lies below it, where
    // e x gain + 0.5 for a product ending in a half falls either way,
    // depending on how the product rounds; 7, 8 or 9 tenths; a window whose
    // range is not high - low + 1 (members written by hand) or spans more
    // than the 4096 levels SetWindow can make; or a window of one level,
    // whose only step is both black and white. Those renderings take the
    // tables.
    static std::optional<ColourForm> For(double gain, uint16_t low, uint16_t high, uint16_t range);

    uint16_t whole = 0;
    uint16_t tenthsOffset = 0;
    uint16_t tenthsMultiplier = 0;
    uint16_t low = 0;
    // range - 1: the steps stop there, and the levels that reach it are
    // white.
    uint16_t lastStep = 0;
    uint16_t reciprocalHigh = 0;
    uint16_t reciprocalLow = 0;
};
