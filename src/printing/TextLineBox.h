#pragma once

#include "printing/PageCanvas.h"

// The box of an upright text line: the part of box from line cell heights
// below its top down to its bottom.
inline PageRect TextLineBox(const PageRect& box, int line, int cellHeight)
{
    return {box.Left, box.Top + line * cellHeight, box.Right, box.Bottom};
}
