#include "printing/FrameBlock.h"

#include "printing/FitPicture.h"
#include "printing/TextLineBox.h"

namespace {

// The picture starts where a third line would.
constexpr int PictureLine = 3;

void DrawUpright(PageCanvas& canvas, const PageRect& box, int cell, const FrameBlock& block)
{
    for (std::size_t line = 0; line < block.Lines.size(); ++line)
        canvas.DrawLineWithEllipsis(TextLineBox(box, static_cast<int>(line), cell), block.Lines[line]);
    if (block.Picture)
        DrawFittedPicture(canvas, *block.Picture, TextTurn::Horizontal, TextLineBox(box, PictureLine, cell),
                          PictureAnchor::TopLeft);
}

void DrawClockwise(PageCanvas& canvas, const PageRect& box, int cell, const FrameBlock& block)
{
    for (std::size_t line = 0; line < block.Lines.size(); ++line)
        canvas.DrawClippedText(TextTurn::Clockwise, box.Right - static_cast<int>(line) * cell, box.Top, box,
                               block.Lines[line]);
    if (block.Picture)
        DrawFittedPicture(canvas, *block.Picture, TextTurn::Clockwise,
                          {box.Left, box.Top, box.Right - PictureLine * cell, box.Bottom}, PictureAnchor::TopLeft);
}

void DrawCounterClockwise(PageCanvas& canvas, const PageRect& box, int cell, const FrameBlock& block)
{
    for (std::size_t line = 0; line < block.Lines.size(); ++line) {
        const int x = box.Left + static_cast<int>(line) * cell;
        canvas.DrawClippedText(TextTurn::CounterClockwise, x, box.Bottom, {x, box.Top, box.Right, box.Bottom},
                               block.Lines[line]);
    }
    if (block.Picture)
        DrawFittedPicture(canvas, *block.Picture, TextTurn::CounterClockwise,
                          {box.Left + PictureLine * cell, box.Top, box.Right, box.Bottom},
                          PictureAnchor::BottomLeft);
}

}  // namespace

void DrawFrameBlock(PageCanvas& canvas, TextTurn turn, const PageRect& box, int cellHeight, const FrameBlock& block)
{
    switch (turn) {
    case TextTurn::Horizontal:
        DrawUpright(canvas, box, cellHeight, block);
        break;
    case TextTurn::Clockwise:
        DrawClockwise(canvas, box, cellHeight, block);
        break;
    case TextTurn::CounterClockwise:
        DrawCounterClockwise(canvas, box, cellHeight, block);
        break;
    }
}
