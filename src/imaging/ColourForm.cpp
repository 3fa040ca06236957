#include "imaging/ColourForm.h"

#include <cmath>

namespace {

// (tenths x e + 5) / 10 is taken as (n x 52429) >> 19, exact below 43699:
// nine tenths of the largest wide estimate stay below it, and the whole part
// keeps the level within sixteen bits.
constexpr long LargestTenths = 159;
// Beyond this range the split reciprocal misses some quotients.
constexpr uint32_t LargestRange = 4096;

}  // namespace

std::optional<ColourForm> ColourForm::For(double gain, uint16_t low, uint16_t high, uint16_t range)
{
    const long tenths = std::lround(gain * 10);
    if (tenths < 0 || tenths > LargestTenths || static_cast<double>(tenths) / 10 != gain)
        return std::nullopt;
    // fma gives the sign of gain x 10 - tenths without rounding it away.
    if (tenths % 2 != 0 && std::fma(gain, 10, -static_cast<double>(tenths)) < 0)
        return std::nullopt;
    if (high < low || range != static_cast<uint16_t>(high - low + 1) || range == 0 ||
        range > LargestRange)
        return std::nullopt;
    ColourForm form;
    form.whole = static_cast<uint16_t>(tenths / 10);
    form.tenths = static_cast<uint16_t>(tenths % 10);
    form.low = low;
    form.lastStep = static_cast<uint16_t>(range - 1);
    form.whiteBelow = high > low ? static_cast<uint16_t>(high - 1) : low;
    // ceil(2^32 / range); a range of 1 has no grey level to divide.
    const uint64_t reciprocal = range == 1 ? 0 : ((uint64_t{1} << 32) + range - 1) / range;
    form.reciprocalHigh = static_cast<uint16_t>(reciprocal >> 16);
    form.reciprocalLow = static_cast<uint16_t>(reciprocal);
    return form;
}
