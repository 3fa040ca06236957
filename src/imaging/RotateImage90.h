#pragma once

#include "imaging/CDibImage.h"

#include <memory>

// Rotation directions of RotateImage90.
enum RotateDirection : int {
    RotateClockwise = 0,
    RotateCounterClockwise = 1,
};

// A new picture of width = source height and height = source width, turned a
// quarter clockwise (0) or counter-clockwise (1). Null when the source has no
// pixels or the new picture cannot be made.
std::unique_ptr<CDibImage> RotateImage90(const CDibImage& source, int direction);
