#include "RecordingCanvas.h"

#include "imaging/CDibImage.h"

#include <utility>

namespace testsupport {

namespace {

std::uint32_t TopLeftPixel(const CDibImage& picture)
{
    if (!picture.Bits() || picture.Width() < 1 || picture.Height() < 1)
        return 0;
    const std::uint8_t* pixel = picture.TopDownRow(0);
    return std::uint32_t{pixel[2]} << 16 | std::uint32_t{pixel[1]} << 8 | pixel[0];
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const CanvasCall& call)
{
    static const char* const kinds[] = {"Ellipsis", "Tabs", "Clipped", "Picture"};
    out << kinds[static_cast<int>(call.What)] << " turn " << static_cast<int>(call.Turn) << " box " << call.Box;
    if (call.What == CanvasCall::Kind::Clipped)
        out << " origin (" << call.OriginX << ", " << call.OriginY << ")";
    if (call.What == CanvasCall::Kind::Picture)
        return out << " picture " << call.PictureSize << " top-left 0x" << std::hex << call.TopLeftPixel << std::dec;
    return out << " \"" << call.Text << "\"";
}

PageExtent RecordingCanvas::TextExtent(TextTurn turn, const std::string& text)
{
    return {CharWidth * static_cast<int>(text.size()), LineHeight[static_cast<std::size_t>(turn)]};
}

void RecordingCanvas::DrawLineWithEllipsis(const PageRect& box, const std::string& text)
{
    Record({.What = CanvasCall::Kind::Ellipsis, .Box = box, .Text = text});
}

void RecordingCanvas::DrawLineWithTabs(const PageRect& box, const std::string& text)
{
    Record({.What = CanvasCall::Kind::Tabs, .Box = box, .Text = text});
}

void RecordingCanvas::DrawClippedText(TextTurn turn, int originX, int originY, const PageRect& clip,
                                      const std::string& text)
{
    Record({.What = CanvasCall::Kind::Clipped, .Turn = turn, .Box = clip, .OriginX = originX, .OriginY = originY,
            .Text = text});
}

void RecordingCanvas::DrawPicture(const PageRect& target, const CDibImage& picture)
{
    Record({.What = CanvasCall::Kind::Picture, .Box = target, .PictureSize = {picture.Width(), picture.Height()},
            .TopLeftPixel = TopLeftPixel(picture)});
}

void RecordingCanvas::Record(CanvasCall call)
{
    ++CallCount;
    if (Keep)
        Calls.push_back(std::move(call));
}

}  // namespace testsupport

std::ostream& operator<<(std::ostream& out, const PageRect& rect)
{
    return out << "{" << rect.Left << ", " << rect.Top << ", " << rect.Right << ", " << rect.Bottom << "}";
}

std::ostream& operator<<(std::ostream& out, const PageExtent& extent)
{
    return out << extent.Width << "x" << extent.Height;
}
