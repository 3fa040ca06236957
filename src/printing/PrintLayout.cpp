#include "printing/PrintLayout.h"

namespace {

// Room for the binding on a portrait sheet, for the paper feed on a landscape one.
constexpr int PortraitLeftMm = 20;
constexpr int PortraitTopMm = 5;
constexpr int LandscapeTopMm = 20;
constexpr int LandscapeRightMm = 5;

int Millimetres(int pixels, int millimetres, int n)
{
    // A device that does not know its size gets no margins, not a division by zero.
    if (millimetres <= 0)
        return 0;
    return static_cast<int>(static_cast<std::int64_t>(pixels) * n / millimetres);
}

PageRect PrintRectOf(const PageMetrics& page)
{
    if (page.Height > page.Width)
        return {MillimetresAcross(page, PortraitLeftMm), MillimetresDown(page, PortraitTopMm), page.Width,
                page.Height};
    return {0, MillimetresDown(page, LandscapeTopMm), page.Width - MillimetresAcross(page, LandscapeRightMm),
            page.Height};
}

// The turned font sets the line pitch unless the upright one is taller.
PageExtent CellOf(PageCanvas& canvas)
{
    const PageExtent turned = canvas.TextExtent(TextTurn::CounterClockwise, "M");
    const PageExtent upright = canvas.TextExtent(TextTurn::Horizontal, "M");
    return upright.Height > turned.Height ? upright : turned;
}

}  // namespace

void PrintLayout::Begin(PageCanvas& canvas)
{
    const PageMetrics page = canvas.Metrics();
    PrintRect = PrintRectOf(page);
    Cell = CellOf(canvas);
    // A font without height holds no lines rather than dividing by zero.
    LinesPerPage = Cell.Height > 0 ? PrintRect.Height() / Cell.Height : 0;
}

int MillimetresAcross(const PageMetrics& page, int n)
{
    return Millimetres(page.Width, page.WidthMm, n);
}

int MillimetresDown(const PageMetrics& page, int n)
{
    return Millimetres(page.Height, page.HeightMm, n);
}
