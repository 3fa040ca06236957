#pragma once

#include <string>

class CDibImage;

// The way a font's lines run: along the page, down it (turned clockwise) or
// up it (turned counter-clockwise).
enum class TextTurn { Horizontal, Clockwise, CounterClockwise };

// Device pixels; Right and Bottom lie just outside.
struct PageRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const PageRect&) const = default;
};

struct PageExtent {
    int Width = 0;
    int Height = 0;

    bool operator==(const PageExtent&) const = default;
};

// The printable page: its size in device pixels and in whole millimetres.
struct PageMetrics {
    int Width = 0;
    int Height = 0;
    int WidthMm = 0;
    int HeightMm = 0;
};

// What the page layouts draw on: a printer's page, a PDF page, or a recording
// in the tests. Texts are UTF-8 and drawn in black with one of three fonts of
// the same face and size, one per turn; the fonts belong to the canvas.
class PageCanvas {
public:
    virtual ~PageCanvas() = default;

    virtual PageMetrics Metrics() const = 0;
    // The size of one line of text in the font of turn, measured as the line
    // reads: Width along the line, Height across it.
    virtual PageExtent TextExtent(TextTurn turn, const std::string& text) = 0;
    // One line in the horizontal font from the box's top-left corner; a line
    // wider than the box ends at a word in "...".
    virtual void DrawLineWithEllipsis(const PageRect& box, const std::string& text) = 0;
    // One line in the horizontal font from the box's top-left corner, each tab
    // taken to the next stop of eight average character widths.
    virtual void DrawLineWithTabs(const PageRect& box, const std::string& text) = 0;
    // One line in the font of turn from origin, the corner where the line's
    // first character has its top left as the line reads, cut at clip. A
    // clockwise line runs down the page with its top towards the right: it
    // covers x from originX - height to originX. A counter-clockwise one runs
    // up the page with its top towards the left: x from originX to originX +
    // height.
    virtual void DrawClippedText(TextTurn turn, int originX, int originY, const PageRect& clip,
                                 const std::string& text) = 0;
    // The whole picture stretched smoothly onto target.
    virtual void DrawPicture(const PageRect& target, const CDibImage& picture) = 0;
};
