#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Rewrites every sample as levelMap[sample AND 0xFFF] and counts the new
// levels into histogram (cleared first).
void PrepareSamples(uint16_t* samples, size_t count, const std::array<uint16_t, 4096>& levelMap,
                    std::array<uint32_t, 4096>& histogram);
