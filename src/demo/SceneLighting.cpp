#include "demo/SceneLighting.h"

#include <algorithm>

QColor SceneLighting::Surface(int red, int green, int blue) const
{
    if (!night_)
        return {red, green, blue};
    // Street lights by night: much less light, most of it blue.
    const auto shade = [](int value, double gain, int lift) {
        return std::clamp(static_cast<int>(value * gain) + lift, 0, 255);
    };
    return {shade(red, 0.17, 2), shade(green, 0.22, 4), shade(blue, 0.38, 12)};
}
