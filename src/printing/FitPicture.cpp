#include "printing/FitPicture.h"

#include "imaging/RotateImage90.h"

#include <algorithm>
#include <memory>

namespace {

PageRect Placed(PageExtent size, const PageRect& area, PictureAnchor anchor)
{
    int left = area.Left;
    int top = area.Top;
    if (anchor == PictureAnchor::BottomLeft)
        top = area.Bottom - size.Height;
    if (anchor == PictureAnchor::Centre) {
        left += (area.Width() - size.Width) / 2;
        top += (area.Height() - size.Height) / 2;
    }
    return {left, top, left + size.Width, top + size.Height};
}

void DrawFitted(PageCanvas& canvas, const CDibImage& picture, const PageRect& area, PictureAnchor anchor)
{
    const PageExtent size = FitPicture({picture.Width(), picture.Height()}, {area.Width(), area.Height()});
    if (size.Width > 0 && size.Height > 0)
        canvas.DrawPicture(Placed(size, area, anchor), picture);
}

}  // namespace

PageExtent FitPicture(PageExtent picture, PageExtent area)
{
    if (picture.Width <= 0 || picture.Height <= 0 || area.Width <= 0 || area.Height <= 0)
        return {};
    const double scale = std::min(static_cast<double>(area.Width) / picture.Width,
                                  static_cast<double>(area.Height) / picture.Height);
    return {static_cast<int>(picture.Width * scale), static_cast<int>(picture.Height * scale)};
}

void DrawFittedPicture(PageCanvas& canvas, const CDibImage& picture, TextTurn turn, const PageRect& area,
                       PictureAnchor anchor)
{
    if (turn == TextTurn::Horizontal) {
        DrawFitted(canvas, picture, area, anchor);
        return;
    }
    const int direction = turn == TextTurn::Clockwise ? RotateClockwise : RotateCounterClockwise;
    if (const std::unique_ptr<CDibImage> turned = RotateImage90(picture, direction))
        DrawFitted(canvas, *turned, area, anchor);
}
