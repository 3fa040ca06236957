#include "printing/PrintDetailedViewPage.h"

#include "config/CVantrelSettings.h"
#include "document/CVantrelDoc.h"
#include "document/DetailedCaption.h"
#include "document/RenderLaneFrame.h"
#include "imaging/CCfaImage.h"
#include "imaging/CDibImage.h"
#include "printing/FrameBlock.h"
#include "printing/PrintLayout.h"
#include "printing/PrintedFrameEntry.h"

namespace {

// A gamma outside these bounds is not one the user chose; the paper goes without.
constexpr double LowestGamma = 0.1;
constexpr double HighestGamma = 5.0;

// The frame as the screen would show it after a fresh selection: the shown
// frame's correction and gamma, the program's cuts, the automatic window, and
// neither filter nor grey, which are viewing aids.
bool RenderFrame(const CCfaImage& shown, const std::string& path, CDibImage& picture)
{
    CCfaImage frame;
    frame.Correction = shown.Correction;
    frame.Gamma = shown.Gamma >= LowestGamma && shown.Gamma <= HighestGamma ? shown.Gamma : 0.0;
    frame.LowCut = CVantrelSettings::ClipDark;
    frame.HighCut = CVantrelSettings::ClipBright;
    const LaneRendering how{.AutoWindow = true};
    return RenderLaneFrame(frame, path, how, picture) == LaneRenderResult::Rendered;
}

}  // namespace

void PrintDetailedViewPage(PageCanvas& canvas, const PrintLayout& layout, CVantrelDoc& document, int lane,
                           int position)
{
    const FrameEntry* entry = lane >= 1 ? PrintedFrameEntry(document, lane, position) : nullptr;
    if (!entry)
        return;
    CDibImage picture;
    const bool rendered = RenderFrame(document.FrameImage(), entry->Path, picture);
    const FrameBlock block{
        {document.SiteDisplayText(entry->Mac), DetailedCaption(document.Records().Content, lane, position + 1)},
        rendered ? &picture : nullptr};
    const TextTurn turn = layout.PortraitPrintRect() ? TextTurn::CounterClockwise : TextTurn::Horizontal;
    DrawFrameBlock(canvas, turn, layout.PrintRect, layout.Cell.Height, block);
}
