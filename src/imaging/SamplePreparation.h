#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Below this many samples one thread reads and prepares them all; above it
// the two threads share them out in chunks of SamplesPerShare.
constexpr size_t SamplesForTwoThreads = 1 << 17;
constexpr size_t SamplesPerShare = 1 << 16;

// Rewrites every sample as its level (sample AND 0xFFF) less blackLevel, at
// least 0, then through curve when there is one, and counts the new levels
// into histogram (cleared first).
void PrepareSamples(uint16_t* samples, size_t count, uint16_t blackLevel,
                    const std::array<uint16_t, 4096>* curve, std::array<uint32_t, 4096>& histogram);
