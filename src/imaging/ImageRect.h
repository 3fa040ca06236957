#pragma once

#include <cstdint>

// A rectangle of cells; right (x1) and bottom (y1) are exclusive.
struct ImageRect {
    int32_t x0 = 0;
    int32_t y0 = 0;
    int32_t x1 = 0;
    int32_t y1 = 0;

    bool IsEmpty() const { return x1 <= x0 || y1 <= y0; }
    bool operator==(const ImageRect&) const = default;
};
