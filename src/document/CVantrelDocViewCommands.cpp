#include "document/CVantrelDoc.h"

#include "document/CommandIds.h"
#include "document/ReviewServices.h"
#include "document/UpdateHints.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

template <std::size_t N>
std::int32_t ValueOf(const std::array<std::pair<int, std::int32_t>, N>& values, int id)
{
    const auto found = std::find_if(values.begin(), values.end(), [id](const auto& value) { return value.first == id; });
    return found == values.end() ? -1 : found->second;
}

constexpr std::array<std::pair<int, std::int32_t>, 4> Corrections{{
    {ID_COLOR_WITHOUT, 0}, {ID_COLOR_DAY, 1}, {ID_COLOR_NIGHT, 2}, {ID_COLOR_AUTO, 3}}};
constexpr std::array<std::pair<int, std::int32_t>, 4> Filters{{
    {ID_FILTER_NONE, 0}, {ID_FILTER_SHARPEN, 1}, {ID_FILTER_SHARPEN_STRONG, 2}, {ID_FILTER_EMBOSS, 3}}};
constexpr std::array<std::pair<int, std::int32_t>, 6> Zooms{{
    {ID_ZOOM_FIT, 0}, {ID_ZOOM_50, 50}, {ID_ZOOM_75, 75}, {ID_ZOOM_100, 100}, {ID_ZOOM_150, 150}, {ID_ZOOM_200, 200}}};
constexpr std::array<std::pair<int, std::int32_t>, 2> FullScreenModes{{
    {ID_DETAILED_FULL_SCREEN, CVantrelDoc::DisplayDetailedFullScreen},
    {ID_GENERAL_FULL_SCREEN, CVantrelDoc::DisplayGeneralFullScreen}}};

// Gamma below this counts as off, whoever set it.
constexpr double GammaOnThreshold = 0.1;
constexpr double GammaOn = 2.2;

CommandState Ticked(bool checked)
{
    return {true, checked};
}

}  // namespace

void CVantrelDoc::OnRefreshCommand(int)
{
    Refresh();
}

void CVantrelDoc::OnSortMode(int id)
{
    Records.SetSortMode(id == ID_SORT_BY_TIME ? RecordDirectory::SortByTime : RecordDirectory::SortByType);
    UpdateAllViews(HINT_LIST);
}

void CVantrelDoc::OnCalendar(int id)
{
    CalendarHidden = CalendarHidden ? 0 : 1;
    Notify(HINT_DISPLAY, id);
}

void CVantrelDoc::OnColourCorrection(int id)
{
    FrameImage.Correction = ValueOf(Corrections, id);
    UpdateAllViews(HINT_COLOR);
    RebuildDetailedImage();
    UpdateAllViews(HINT_IMAGE);
}

void CVantrelDoc::OnColourCycle(int)
{
    const std::int32_t mode = FrameImage.Correction;
    FrameImage.Correction = mode >= 0 && mode < 3 ? mode + 1 : 0;
    UpdateAllViews(HINT_COLOR);
    RebuildDetailedImage();
    UpdateAllViews(HINT_IMAGE);
}

void CVantrelDoc::OnGamma(int)
{
    FrameImage.Gamma = FrameImage.Gamma >= GammaOnThreshold ? 0.0 : GammaOn;
    UpdateAllViews(HINT_COLOR);
    RebuildDetailedImage();
    UpdateAllViews(HINT_IMAGE);
}

void CVantrelDoc::OnFilter(int id)
{
    Filter = ValueOf(Filters, id);
    RebuildDetailedImage();
    UpdateAllViews(HINT_IMAGE);
}

void CVantrelDoc::OnBlackAndWhite(int)
{
    BlackAndWhite = BlackAndWhite ? 0 : 1;
    RebuildDetailedImage();
    UpdateAllViews(HINT_IMAGE);
}

void CVantrelDoc::OnZoom(int id)
{
    Zoom = ValueOf(Zooms, id);
    UpdateAllViews(HINT_IMAGE);
}

void CVantrelDoc::ChangeDisplayMode(std::int32_t mode, int command)
{
    DisplayMode = mode;
    services_.SetFullScreen(mode != DisplayNormal);
    Notify(HINT_DISPLAY, command);
}

void CVantrelDoc::OnFullScreen(int id)
{
    const std::int32_t mode = ValueOf(FullScreenModes, id);
    ChangeDisplayMode(DisplayMode != mode ? mode : DisplayNormal, id);
}

void CVantrelDoc::OnLeaveFullScreen(int id)
{
    if (DisplayMode == DisplayDetailedFullScreen || DisplayMode == DisplayGeneralFullScreen)
        ChangeDisplayMode(DisplayNormal, id);
}

CommandState CVantrelDoc::AlwaysEnabled(int) const
{
    return {true, false};
}

CommandState CVantrelDoc::SortRule(int id) const
{
    const std::int32_t mode = id == ID_SORT_BY_TIME ? RecordDirectory::SortByTime : RecordDirectory::SortByType;
    return Ticked(Records.SortMode == mode);
}

CommandState CVantrelDoc::AllDaysRule(int) const
{
    return Ticked((Records.FilterMask & RecordDirectory::AllDays) != 0);
}

CommandState CVantrelDoc::ForTheDayRule(int) const
{
    return Ticked((Records.FilterMask & RecordDirectory::AllDays) == 0);
}

CommandState CVantrelDoc::CalendarRule(int) const
{
    return Ticked(CalendarHidden == 0);
}

CommandState CVantrelDoc::ColourRule(int id) const
{
    return Ticked(FrameImage.Correction == ValueOf(Corrections, id));
}

CommandState CVantrelDoc::GammaRule(int) const
{
    return Ticked(FrameImage.Gamma >= GammaOnThreshold);
}

CommandState CVantrelDoc::FilterRule(int id) const
{
    return Ticked(Filter == ValueOf(Filters, id));
}

CommandState CVantrelDoc::BlackAndWhiteRule(int) const
{
    return Ticked(BlackAndWhite != 0);
}

CommandState CVantrelDoc::ZoomRule(int id) const
{
    return Ticked(Zoom == ValueOf(Zooms, id));
}

CommandState CVantrelDoc::FullScreenRule(int id) const
{
    return Ticked(DisplayMode == ValueOf(FullScreenModes, id));
}
