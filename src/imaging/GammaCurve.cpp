#include "imaging/GammaCurve.h"

#include <algorithm>
#include <cmath>

uint16_t GammaLevel(uint16_t level, double gamma)
{
    const double x = level * (1.0 / 4095);
    double y = x > 0.018 ? 1.099 * std::pow(x, 1.0 / gamma) - 0.099 : 4.5 * x;
    y = std::clamp(y, 0.0, 1.0);
    return static_cast<uint16_t>(static_cast<int>(y * 4095) & 0xFFF);
}

const std::array<uint16_t, 4096>& GammaCurve::TableFor(double gamma)
{
    if (!valid_ || gamma != gamma_) {
        for (size_t level = 0; level < table_.size(); ++level)
            table_[level] = GammaLevel(static_cast<uint16_t>(level), gamma);
        gamma_ = gamma;
        valid_ = true;
    }
    return table_;
}
