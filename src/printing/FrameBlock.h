#pragma once

#include "printing/PageCanvas.h"

#include <string>
#include <vector>

class CDibImage;

// One frame as a page shows it: its text lines (site first; none for a frame
// without an entry) and its upright picture (null when there is none).
struct FrameBlock {
    std::vector<std::string> Lines;
    const CDibImage* Picture = nullptr;
};

// Draws block in box with lines one cell apart and the picture two cells
// below the second line, fitted to the rest of the box. Horizontal: lines
// down from the top, the picture at its top-left corner. Clockwise: lines
// leftwards from the right edge, clipped to box, the picture turned clockwise
// at the top-left. CounterClockwise: lines rightwards from the left edge
// reading up from the bottom, each clipped from its own line on, the picture
// turned counter-clockwise at the bottom-left.
void DrawFrameBlock(PageCanvas& canvas, TextTurn turn, const PageRect& box, int cellHeight, const FrameBlock& block);
