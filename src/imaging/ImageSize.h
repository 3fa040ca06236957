#pragma once

#include <cstdint>

// A width and height in cells or pixels.
struct ImageSize {
    int32_t width = 0;
    int32_t height = 0;

    bool operator==(const ImageSize&) const = default;
};
