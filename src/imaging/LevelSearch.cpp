#include "imaging/LevelSearch.h"

uint16_t LowestLevelReaching(const std::array<uint32_t, 4096>& histogram, double scale,
                             double fraction)
{
    uint64_t sum = 0;
    uint16_t level = 0;
    for (;; ++level) {
        sum += histogram[level];
        if (static_cast<double>(sum) * scale >= fraction || level == 4095)
            return level;
    }
}

uint16_t HighestLevelReaching(const std::array<uint32_t, 4096>& histogram, double scale,
                              double fraction)
{
    uint64_t sum = 0;
    uint16_t level = 4095;
    for (;; --level) {
        sum += histogram[level];
        if (static_cast<double>(sum) * scale >= fraction || level == 0)
            return level;
    }
}
