#include "printing/PrintGeneralViewPage.h"

#include "document/CVantrelDoc.h"
#include "imaging/CDibImage.h"
#include "printing/FrameBlock.h"
#include "printing/PrintLayout.h"
#include "printing/PrintPictures.h"
#include "printing/PrintedFrameEntry.h"
#include "records/RecordContent.h"

namespace {

// The two halves of the page, one cell apart: stacked, or side by side with
// the first on the right where a clockwise page begins.
PageRect Half(const PrintLayout& layout, int half)
{
    const PageRect& print = layout.PrintRect;
    const PageExtent cell = layout.Cell;
    if (layout.PortraitPrintRect())
        return half == 0 ? PageRect{print.Left, print.Top, print.Right,
                                    print.Top + (print.Height() - cell.Height) / 2}
                         : PageRect{print.Left, print.Top + (print.Height() + cell.Height) / 2, print.Right,
                                    print.Bottom};
    const int middle = print.Left + print.Width() / 2;
    return half == 0 ? PageRect{middle + cell.Width, print.Top, print.Right, print.Bottom}
                     : PageRect{print.Left, print.Top, middle - cell.Width, print.Bottom};
}

}  // namespace

void PrintGeneralViewPage(PageCanvas& canvas, const PrintLayout& layout, CVantrelDoc& document,
                          PrintPictures& pictures, int position, bool secondFrame)
{
    const TextTurn turn = layout.PortraitPrintRect() ? TextTurn::Horizontal : TextTurn::Clockwise;
    const int frames = secondFrame ? 2 : 1;
    for (int half = 0; half < frames; ++half) {
        const FrameEntry* entry = PrintedFrameEntry(document, RecordContent::GeneralView, position + half);
        CDibImage picture;
        if (!entry || !pictures.LoadBitmap(entry->Path, picture))
            return;
        const FrameBlock block{{document.SiteDisplayText(entry->Mac), FormatFrameTimeText(entry->Time)}, &picture};
        DrawFrameBlock(canvas, turn, Half(layout, half), layout.Cell.Height, block);
    }
}
