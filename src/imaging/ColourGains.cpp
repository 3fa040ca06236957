#include "imaging/ColourGains.h"

namespace {

constexpr ColourGains Without{1.0, 1.0, 1.0};
constexpr ColourGains Day{1.1, 1.0, 1.4};
constexpr ColourGains Night{1.1, 1.0, 2.4};

}  // namespace

ColourGains GainsFor(int32_t correction, uint16_t hour)
{
    switch (correction) {
    case CorrectionDay:
        return Day;
    case CorrectionNight:
        return Night;
    case CorrectionAutomatic:
        return hour >= 6 && hour <= 20 ? Day : Night;
    default:
        return Without;
    }
}
