#pragma once

#include "printing/PageCanvas.h"

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace testsupport {

// One call of a page layout on a RecordingCanvas.
struct CanvasCall {
    enum class Kind { Ellipsis, Tabs, Clipped, Picture };

    Kind What = Kind::Ellipsis;
    TextTurn Turn = TextTurn::Horizontal;
    PageRect Box{};  // the text's box, the clip, or the picture's target
    int OriginX = 0;
    int OriginY = 0;
    std::string Text{};
    PageExtent PictureSize{};
    // The drawn picture's top-left pixel as 0xRRGGBB: with a marked corner it
    // tells how the picture was turned.
    std::uint32_t TopLeftPixel = 0;

    bool operator==(const CanvasCall&) const = default;
};

// Readable failures of the tests that compare calls.
std::ostream& operator<<(std::ostream& out, const CanvasCall& call);

// A page that remembers what was drawn on it, measures every character
// CharWidth wide and every line LineHeight[turn] high, and reports Page.
class RecordingCanvas : public PageCanvas {
public:
    PageMetrics Page{2100, 2970, 210, 297};
    int CharWidth = 7;
    std::array<int, 3> LineHeight{13, 13, 13};  // by TextTurn
    // Off, calls are counted but not kept (for timing).
    bool Keep = true;
    std::size_t CallCount = 0;
    std::vector<CanvasCall> Calls;

    PageMetrics Metrics() const override { return Page; }
    PageExtent TextExtent(TextTurn turn, const std::string& text) override;
    void DrawLineWithEllipsis(const PageRect& box, const std::string& text) override;
    void DrawLineWithTabs(const PageRect& box, const std::string& text) override;
    void DrawClippedText(TextTurn turn, int originX, int originY, const PageRect& clip,
                         const std::string& text) override;
    void DrawPicture(const PageRect& target, const CDibImage& picture) override;

private:
    void Record(CanvasCall call);
};

}  // namespace testsupport

std::ostream& operator<<(std::ostream& out, const PageRect& rect);
std::ostream& operator<<(std::ostream& out, const PageExtent& extent);
