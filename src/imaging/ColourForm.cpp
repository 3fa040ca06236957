#include "imaging/ColourForm.h"

#include "imaging/DemosaicWide.h"

#include <array>
#include <cmath>

namespace {

// (tenths x e + 5) / 10 as one high product ((e + offset) x multiplier) >> 16.
// Found by search for 0 to 6 tenths; for 7, 8 and 9 no multiplier below 2^16
// is close enough to their fraction over every estimate.
struct TenthsStep {
    uint16_t offset;
    uint16_t multiplier;
};
constexpr std::array<TenthsStep, 7> TenthsSteps{
    {{0, 0}, {5, 6554}, {2, 13108}, {2, 19660}, {1, 26215}, {1, 32768}, {1, 39319}}};

constexpr bool TenthsStepsExact()
{
    for (uint32_t tenths = 0; tenths < TenthsSteps.size(); ++tenths) {
        const auto [offset, multiplier] = TenthsSteps[tenths];
        for (uint32_t e = 0; e <= WideSampleCeiling; ++e)
            if (((e + offset) * multiplier) >> 16 != (tenths * e + 5) / 10)
                return false;
    }
    return true;
}
static_assert(TenthsStepsExact());

// The whole part then keeps the level within sixteen bits.
constexpr double LargestGain = 15.6;
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
    return high > low && range == static_cast<uint16_t>(high - low + 1) && range != 0 &&
           range <= LargestRange;
}

}  // namespace

std::optional<ColourForm> ColourForm::For(double gain, uint16_t low, uint16_t high, uint16_t range)
{
    const std::optional<long> tenths = ExactTenths(gain);
    if (!tenths || *tenths % 10 >= static_cast<long>(TenthsSteps.size()) ||
        !DividesExactly(low, high, range))
        return std::nullopt;
    const TenthsStep step = TenthsSteps[static_cast<size_t>(*tenths % 10)];
    ColourForm form;
    form.whole = static_cast<uint16_t>(*tenths / 10);
    form.tenthsOffset = step.offset;
    form.tenthsMultiplier = step.multiplier;
    form.low = low;
    form.lastStep = static_cast<uint16_t>(range - 1);
    // ceil(2^32 / range)
    const uint64_t reciprocal = ((uint64_t{1} << 32) + range - 1) / range;
    form.reciprocalHigh = static_cast<uint16_t>(reciprocal >> 16);
    form.reciprocalLow = static_cast<uint16_t>(reciprocal);
    return form;
}
