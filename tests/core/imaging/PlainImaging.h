#pragma once

#include "imaging/CDibImage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The imaging formulas written out directly, one sample and one pixel at a
// time, with no tables and no threads: the yardstick for the fast code.
namespace plain {

struct Frame {
    int32_t width = 0;
    int32_t height = 0;
    uint16_t hour = 12;
    std::vector<uint16_t> samples;
    std::array<uint32_t, 4096> histogram{};
    uint16_t minLevel = 0;
    uint16_t maxLevel = 4095;

    uint32_t At(int32_t x, int32_t y) const { return samples[size_t(y) * width + x]; }
};

struct Window {
    uint16_t low = 0;
    uint16_t high = 4095;
    uint16_t range = 4096;
};

uint16_t Gamma(uint16_t level, double gamma);
// Black level, gamma, histogram and level bounds; nothing for a frame without
// the optical-black area.
void Prepare(Frame& frame, double gamma, double lowCut, double highCut);
Window SetWindow(const Frame& frame, uint16_t a, uint16_t b);
Window AutoWindow(const Frame& frame, double lowFraction, double highFraction);
uint8_t MapWindow(const Window& window, uint16_t value);

struct Render {
    int correction = 0;
    bool grey = false;
    int x0 = 0;
    int y0 = 0;
    int w = 0;
    int h = 0;
    int bayerPhase = 1;
};

// Output rows of 3 x w bytes, the first processed row first; bytes no sample
// reaches keep `untouched`.
std::vector<uint8_t> RenderRows(const Frame& frame, const Window& window, const Render& render,
                                uint8_t untouched);

// The filter applied to a copy of the picture; returns the whole pixel memory.
std::vector<uint8_t> Convolve(const CDibImage& picture, const int32_t* kernel, int size,
                              int divisor);

}  // namespace plain
