#pragma once

#include <cstdint>
#include <vector>

// Lookup tables that turn the per-pixel formulas of rendering into loads;
// every entry is the direct formula evaluated once.

// The display window for every 16-bit value: 0 at or below low, 255 at or
// above high, ((v - low) x 256) / range between.
std::vector<uint8_t> WindowMap(uint16_t low, uint16_t high, uint16_t range);

// For every estimate 0..ceiling: estimate x gain + 0.5, truncated, cut to 16
// bits, then through the window.
std::vector<uint8_t> GainWindowMap(const std::vector<uint8_t>& window, double gain,
                                   uint32_t ceiling);

// weight x estimate for every estimate 0..ceiling.
std::vector<double> WeightedLevels(double weight, uint32_t ceiling);
