#pragma once

#include <array>
#include <cstdint>

// The histogram searches shared by the level bounds and the automatic window:
// the first level, walking up from 0 (or down from 4095), at which the samples
// passed so far reach `fraction` of all; the walk stops at the far end.
uint16_t LowestLevelReaching(const std::array<uint32_t, 4096>& histogram, double scale,
                             double fraction);
uint16_t HighestLevelReaching(const std::array<uint32_t, 4096>& histogram, double scale,
                              double fraction);
