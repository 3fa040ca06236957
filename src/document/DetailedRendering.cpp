#include "document/DetailedRendering.h"

#include "config/CVantrelSettings.h"
#include "document/CVantrelDoc.h"
#include "document/CommandIds.h"
#include "document/CommandRows.h"
#include "document/CommandValue.h"
#include "document/RenderLaneFrame.h"
#include "document/ScopedWaitCursor.h"
#include "document/UpdateHints.h"
#include "records/FrameEntry.h"

#include <algorithm>

namespace {

constexpr std::array<std::pair<int, std::int32_t>, 4> Corrections{{
    {ID_COLOR_WITHOUT, 0}, {ID_COLOR_DAY, 1}, {ID_COLOR_NIGHT, 2}, {ID_COLOR_AUTO, 3}}};
constexpr std::array<std::pair<int, std::int32_t>, 4> Filters{{
    {ID_FILTER_NONE, 0}, {ID_FILTER_SHARPEN, 1}, {ID_FILTER_SHARPEN_STRONG, 2}, {ID_FILTER_EMBOSS, 3}}};
constexpr std::array<std::pair<int, std::int32_t>, 6> Zooms{{
    {ID_ZOOM_FIT, 0}, {ID_ZOOM_50, 50}, {ID_ZOOM_75, 75}, {ID_ZOOM_100, 100}, {ID_ZOOM_150, 150}, {ID_ZOOM_200, 200}}};

constexpr std::int32_t AutomaticCorrection = 3;
// Gamma below this counts as off, whoever set it.
constexpr double GammaOnThreshold = 0.1;
constexpr double GammaOn = 2.2;
// The colour-correction button's icons follow the modes from this one on.
constexpr int FirstCorrectionImage = 2;

}  // namespace

DetailedRendering::DetailedRendering(CVantrelDoc& document, ReviewServices& services)
    : document_(document), services_(services)
{
}

void DetailedRendering::DefineCommands(CommandTable& commands)
{
    using R = DetailedRendering;
    static const CommandRow<R> rows[] = {
        {ID_COLOR_WITHOUT, "&Without color correction\tCtrl+B", &R::OnColourCorrection, &R::ColourRule},
        {ID_COLOR_DAY, "1. &Day\tCtrl+D", &R::OnColourCorrection, &R::ColourRule},
        {ID_COLOR_NIGHT, "2. &Night\tCtrl+N", &R::OnColourCorrection, &R::ColourRule},
        {ID_COLOR_AUTO, "3. &Automatic\tCtrl+A", &R::OnColourCorrection, &R::ColourRule},
        {ID_COLOR_CYCLE, "", &R::OnColourCycle, &R::ColourCycleRule},
        {ID_GAMMA, "&Gamma correction", &R::OnGamma, &R::GammaRule},
        {ID_FILTER_NONE, "Without filters", &R::OnFilter, &R::FilterRule},
        {ID_FILTER_SHARPEN, "1. Sharpen", &R::OnFilter, &R::FilterRule},
        {ID_FILTER_SHARPEN_STRONG, "2. Sharpen strong", &R::OnFilter, &R::FilterRule},
        {ID_FILTER_EMBOSS, "3. Emboss", &R::OnFilter, &R::FilterRule},
        {ID_BLACK_AND_WHITE, "&Black and Wait", &R::OnBlackAndWhite, &R::BlackAndWhiteRule},
        {ID_ZOOM_FIT, "&Fit to window\tCtrl+W", &R::OnZoom, &R::ZoomRule},
        {ID_ZOOM_50, "1. 50%", &R::OnZoom, &R::ZoomRule},
        {ID_ZOOM_75, "2. 75%", &R::OnZoom, &R::ZoomRule},
        {ID_ZOOM_100, "3. &100%\tCtrl+1", &R::OnZoom, &R::ZoomRule},
        {ID_ZOOM_150, "4. 150%", &R::OnZoom, &R::ZoomRule},
        {ID_ZOOM_200, "5. 200%", &R::OnZoom, &R::ZoomRule},
    };
    DefineCommandRows<R>(commands, *this, rows);
}

void DetailedRendering::OnNewDocument()
{
    frameImage_.Correction = AutomaticCorrection;
}

void DetailedRendering::ApplySettingsCuts()
{
    frameImage_.HighCut = CVantrelSettings::ClipBright;
    frameImage_.LowCut = CVantrelSettings::ClipDark;
}

void DetailedRendering::Rebuild(const FrameEntry* frame)
{
    ready_ = false;
    if (!frame)
        return;
    const ScopedWaitCursor wait(services_);
    const LaneRendering how{resetDynamicRange_, filter_, blackAndWhite_};
    const LaneRenderResult result = RenderLaneFrame(frameImage_, frame->Path, how, detailedImage_);
    // A frame that could not be read leaves the automatic range due for the next one.
    if (result != LaneRenderResult::Unreadable)
        resetDynamicRange_ = false;
    ready_ = result == LaneRenderResult::Rendered;
}

bool DetailedRendering::SetDisplayRange(int low, int high, const FrameEntry* frame)
{
    if (!ready_)
        return false;
    const auto level = [](int value) { return static_cast<std::uint16_t>(std::clamp(value, 0, int{CCfaImage::TopLevel})); };
    frameImage_.SetWindow(level(low), level(high));
    Rebuild(frame);
    return true;
}

void DetailedRendering::RenderColourChange()
{
    document_.UpdateAllViews(HINT_COLOR);
    RenderAndShow();
}

void DetailedRendering::RenderAndShow()
{
    document_.RebuildDetailedImage();
    document_.UpdateAllViews(HINT_IMAGE);
}

void DetailedRendering::OnColourCorrection(int id)
{
    frameImage_.Correction = CommandValue(Corrections, id);
    RenderColourChange();
}

void DetailedRendering::OnColourCycle(int)
{
    const std::int32_t mode = frameImage_.Correction;
    frameImage_.Correction = mode >= 0 && mode < AutomaticCorrection ? mode + 1 : 0;
    RenderColourChange();
}

void DetailedRendering::OnGamma(int)
{
    frameImage_.Gamma = frameImage_.Gamma >= GammaOnThreshold ? 0.0 : GammaOn;
    RenderColourChange();
}

void DetailedRendering::OnFilter(int id)
{
    filter_ = CommandValue(Filters, id);
    RenderAndShow();
}

void DetailedRendering::OnBlackAndWhite(int)
{
    blackAndWhite_ = !blackAndWhite_;
    RenderAndShow();
}

void DetailedRendering::OnZoom(int id)
{
    zoom_ = CommandValue(Zooms, id);
    document_.UpdateAllViews(HINT_IMAGE);
}

CommandState DetailedRendering::ColourRule(int id) const
{
    return CommandState::Ticked(frameImage_.Correction == CommandValue(Corrections, id));
}

CommandState DetailedRendering::ColourCycleRule(int) const
{
    return {true, false, frameImage_.Correction + FirstCorrectionImage};
}

CommandState DetailedRendering::GammaRule(int) const
{
    return CommandState::Ticked(frameImage_.Gamma >= GammaOnThreshold);
}

CommandState DetailedRendering::FilterRule(int id) const
{
    return CommandState::Ticked(filter_ == CommandValue(Filters, id));
}

CommandState DetailedRendering::BlackAndWhiteRule(int) const
{
    return CommandState::Ticked(blackAndWhite_);
}

CommandState DetailedRendering::ZoomRule(int id) const
{
    return CommandState::Ticked(zoom_ == CommandValue(Zooms, id));
}
