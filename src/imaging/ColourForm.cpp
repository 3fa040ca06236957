#include "imaging/ColourForm.h"

#include <cmath>

namespace {

// (tenths x e + 5) / 10 is taken as (n x 52429) >> 19, exact below 43699:
// nine tenths of the largest wide estimate stay below it, and the whole part
// keeps the level within sixteen bits.
constexpr double LargestGain = 15.9;
// Beyond this range the split reciprocal misses some quotients.
constexpr uint32_t LargestRange = 4096;

// The gain in tenths, when e x gain + 0.5 truncates as (tenths x e + 5) / 10
// does for every e.
std::optional<long> ExactTenths(double gain)
{
    if (!(gain >= 0 && gain <= LargestGain))
        return std::nullopt;
    const long tenths = std::lround(gain * 10);
    if (static_cast<double>(tenths) / 10 != gain)
        return std::nullopt;
    // Only odd tenths make products ending in a half; those round up for every
    // e only when the double lies above the tenths. fma gives the sign of
    // gain x 10 - tenths without rounding it away.
    if (tenths % 2 != 0 && std::fma(gain, 10, -static_cast<double>(tenths)) < 0)
        return std::nullopt;
    return tenths;
}

bool DividesExactly(uint16_t low, uint16_t high, uint16_t range)
{
    return high >= low && range == static_cast<uint16_t>(high - low + 1) && range != 0 &&
           range <= LargestRange;
}

}  // namespace

std::optional<ColourForm> ColourForm::For(double gain, uint16_t low, uint16_t high, uint16_t range)
{
    const std::optional<long> tenths = ExactTenths(gain);
    if (!tenths || !DividesExactly(low, high, range))
        return std::nullopt;
    ColourForm form;
    form.whole = static_cast<uint16_t>(*tenths / 10);
    form.tenths = static_cast<uint16_t>(*tenths % 10);
    form.low = low;
    form.lastStep = static_cast<uint16_t>(range - 1);
    form.whiteBelow = high > low ? static_cast<uint16_t>(high - 1) : low;
    // ceil(2^32 / range); a range of 1 has no grey level to divide.
    const uint64_t reciprocal = range == 1 ? 0 : ((uint64_t{1} << 32) + range - 1) / range;
    form.reciprocalHigh = static_cast<uint16_t>(reciprocal >> 16);
    form.reciprocalLow = static_cast<uint16_t>(reciprocal);
    return form;
}
