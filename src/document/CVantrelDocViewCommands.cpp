#include "document/CVantrelDoc.h"

#include "document/CommandIds.h"
#include "document/CommandValue.h"
#include "document/ReviewServices.h"
#include "document/UpdateHints.h"

namespace {

constexpr std::array<std::pair<int, std::int32_t>, 2> FullScreenModes{{
    {ID_DETAILED_FULL_SCREEN, CVantrelDoc::DisplayDetailedFullScreen},
    {ID_GENERAL_FULL_SCREEN, CVantrelDoc::DisplayGeneralFullScreen}}};

// The records pane's filter button shows the filter it would leave.
constexpr int AllDaysImage = 2;
constexpr int ForTheDayImage = 1;
// The full-screen buttons show how to leave full screen while they are in it.
constexpr int FullScreenImage = 0;
constexpr int LeaveFullScreenImage = 1;

}  // namespace

void CVantrelDoc::OnRefreshCommand(int)
{
    Refresh();
}

void CVantrelDoc::OnSortMode(int id)
{
    records_.SetSortMode(id == ID_SORT_BY_TIME ? RecordDirectory::SortByTime : RecordDirectory::SortByType);
    UpdateAllViews(HINT_LIST);
}

void CVantrelDoc::OnCalendar(int id)
{
    calendarHidden_ = !calendarHidden_;
    UpdateAllViews(HINT_DISPLAY, id);
}

void CVantrelDoc::ChangeDisplayMode(std::int32_t mode, int command)
{
    displayMode_ = mode;
    services_.SetFullScreen(mode != DisplayNormal);
    UpdateAllViews(HINT_DISPLAY, command);
}

void CVantrelDoc::OnFullScreen(int id)
{
    const std::int32_t mode = CommandValue(FullScreenModes, id);
    ChangeDisplayMode(displayMode_ != mode ? mode : DisplayNormal, id);
}

void CVantrelDoc::OnLeaveFullScreen(int id)
{
    if (displayMode_ == DisplayDetailedFullScreen || displayMode_ == DisplayGeneralFullScreen)
        ChangeDisplayMode(DisplayNormal, id);
}

void CVantrelDoc::LeaveFullScreenForPrint()
{
    displayMode_ = DisplayNormal;
    services_.SetFullScreen(false);
    services_.ShowMaximizedAndRedraw();
}

CommandState CVantrelDoc::SortRule(int id) const
{
    const std::int32_t mode = id == ID_SORT_BY_TIME ? RecordDirectory::SortByTime : RecordDirectory::SortByType;
    return CommandState::Ticked(records_.SortMode == mode);
}

CommandState CVantrelDoc::AllDaysRule(int) const
{
    return CommandState::Ticked((records_.FilterMask & RecordDirectory::AllDays) != 0);
}

CommandState CVantrelDoc::ForTheDayRule(int) const
{
    return CommandState::Ticked((records_.FilterMask & RecordDirectory::AllDays) == 0);
}

CommandState CVantrelDoc::FilterButtonRule(int) const
{
    const bool allDays = (records_.FilterMask & RecordDirectory::AllDays) != 0;
    return {true, false, allDays ? AllDaysImage : ForTheDayImage};
}

CommandState CVantrelDoc::CalendarRule(int) const
{
    return CommandState::Ticked(!calendarHidden_);
}

CommandState CVantrelDoc::FullScreenRule(int id) const
{
    const bool inIt = displayMode_ == CommandValue(FullScreenModes, id);
    return {true, inIt, inIt ? LeaveFullScreenImage : FullScreenImage};
}
