#pragma once

#include <cstdint>

// The picture rows and the filter of CDibImage::Convolve.
struct ConvolutionJob {
    uint8_t* bits = nullptr;
    int32_t stride = 0;
    int32_t width = 0;
    int32_t height = 0;
    const int32_t* kernel = nullptr;
    int size = 0;
    int divisor = 1;
};

// Filters the inner pixels in place; every sum reads unfiltered bytes.
void ConvolveInPlace(const ConvolutionJob& job);
