#pragma once

#include <cstdint>

// A position in sensor or picture cells: column x, row y, both from 0.
struct ImagePoint {
    int32_t x = 0;
    int32_t y = 0;

    bool operator==(const ImagePoint&) const = default;
};
