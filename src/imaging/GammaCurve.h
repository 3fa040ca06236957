#pragma once

#include <array>
#include <cstdint>

// The BT.709 transfer curve with exponent 1 / gamma on 12-bit levels; full
// level stays full level and the result is always 0..4095.
uint16_t GammaLevel(uint16_t level, double gamma);

// GammaLevel for every level 0..4095, computed once per gamma value so that
// preparing a frame costs a lookup per sample instead of a pow.
class GammaCurve {
public:
    // Rebuilds the table only when gamma differs from the one it holds.
    const std::array<uint16_t, 4096>& TableFor(double gamma);

private:
    std::array<uint16_t, 4096> table_{};
    double gamma_ = 0.0;
    bool valid_ = false;
};
