#include "imaging/RenderTables.h"

#include <algorithm>
#include <cstring>

std::vector<uint8_t> WindowMap(uint16_t low, uint16_t high, uint16_t range)
{
    constexpr int32_t count = 65536;
    std::vector<uint8_t> map(count, 0);
    // A range only wraps to 0 when the window members were written by hand
    // past 16 bits; its true width is then 65536.
    const int32_t divisor = range == 0 ? count : range;
    const int32_t whiteFrom = std::max<int32_t>(high, low + 1);
    for (int32_t v = low + 1; v < whiteFrom; ++v)
        map[v] = static_cast<uint8_t>(((v - low) * 256) / divisor);
    if (whiteFrom < count)
        std::memset(map.data() + whiteFrom, 255, count - whiteFrom);
    return map;
}

std::vector<uint8_t> GainWindowMap(const std::vector<uint8_t>& window, double gain,
                                   uint32_t ceiling)
{
    std::vector<uint8_t> map(ceiling + 1);
    for (uint32_t e = 0; e <= ceiling; ++e)
        map[e] = window[static_cast<uint16_t>(static_cast<int32_t>(e * gain + 0.5))];
    return map;
}

std::vector<double> WeightedLevels(double weight, uint32_t ceiling)
{
    std::vector<double> levels(ceiling + 1);
    for (uint32_t e = 0; e <= ceiling; ++e)
        levels[e] = weight * e;
    return levels;
}
