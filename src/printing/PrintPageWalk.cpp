#include "printing/PrintPageWalk.h"

#include <cstdint>

namespace {

using Kind = PrintedPage::Kind;

// The two lines of heading and the blank line above the rows.
constexpr int RecordsListHeadingLines = 3;
constexpr int GeneralFramesPerPage = 2;
constexpr int LaneCount = 3;

}  // namespace

PrintPageWalk::PrintPageWalk(const PrintRequest& request, const PrintWalkState& state)
    : request_(request), state_(state)
{
}

int PrintPageWalk::PageCount() const
{
    if (request_.PrintScreen)
        return 1;
    return SubpoenaPages() + GeneralPages() + DetailedPages() + RecordsListPages();
}

PrintedPage PrintPageWalk::Page(int page) const
{
    if (request_.PrintScreen)
        return {.What = page == 1 ? Kind::Screen : Kind::Nothing};
    int index = page - 1;
    if (index < 0)
        return {};
    if (index < SubpoenaPages())
        return {.What = Kind::Subpoena};
    index -= SubpoenaPages();
    if (index < GeneralPages())
        return GeneralPage(index);
    index -= GeneralPages();
    if (index < DetailedPages())
        return DetailedPage(index);
    index -= DetailedPages();
    if (index < RecordsListPages())
        return {.What = Kind::RecordsList, .FirstRow = index * RowsPerPage()};
    return {};
}

int PrintPageWalk::SubpoenaPages() const
{
    return request_.PrintSubpoena ? 1 : 0;
}

int PrintPageWalk::GeneralPages() const
{
    if (request_.GeneralChoice == PrintRequest::Selected)
        return 1;
    return (GeneralRange().Length() + GeneralFramesPerPage - 1) / GeneralFramesPerPage;
}

int PrintPageWalk::DetailedPages() const
{
    if (request_.DetailedChoice == PrintRequest::Selected)
        return 1;
    int pages = 0;
    for (int lane = 1; lane <= LaneCount; ++lane)
        pages += LaneRange(lane).Length();
    return pages;
}

int PrintPageWalk::RecordsListPages() const
{
    const int rowsPerPage = RowsPerPage();
    if (!request_.PrintRecordsList || state_.VisibleRows < 1 || rowsPerPage < 1)
        return 0;
    return static_cast<int>((std::int64_t{state_.VisibleRows} + rowsPerPage - 1) / rowsPerPage);
}

int PrintPageWalk::RowsPerPage() const
{
    return state_.LinesPerPage - RecordsListHeadingLines;
}

PrintPageWalk::FrameRange PrintPageWalk::GeneralRange() const
{
    if (request_.GeneralChoice == PrintRequest::Partial)
        return {request_.FromFrame[0] - 1, request_.ToFrame[0]};
    if (request_.GeneralChoice == PrintRequest::All)
        return {0, request_.FrameCount[0]};
    return {};
}

PrintPageWalk::FrameRange PrintPageWalk::LaneRange(int lane) const
{
    if (request_.DetailedChoice == PrintRequest::Partial && request_.LaneChecked[lane - 1] == 1)
        return {request_.FromFrame[lane] - 1, request_.ToFrame[lane]};
    if (request_.DetailedChoice == PrintRequest::All)
        return {0, request_.FrameCount[lane]};
    return {};
}

PrintedPage PrintPageWalk::GeneralPage(int index) const
{
    if (request_.GeneralChoice == PrintRequest::Selected)
        return {.What = Kind::GeneralView, .Position = state_.CurrentGeneralFrame};
    const FrameRange range = GeneralRange();
    const int position = range.First + index * GeneralFramesPerPage;
    return {.What = Kind::GeneralView, .Position = position, .SecondFrame = position + 1 < range.End};
}

PrintedPage PrintPageWalk::DetailedPage(int index) const
{
    if (request_.DetailedChoice == PrintRequest::Selected)
        return {.What = Kind::DetailedView, .Lane = state_.CurrentLane, .Position = state_.CurrentLaneFrame - 1};
    for (int lane = 1; lane <= LaneCount; ++lane) {
        const FrameRange range = LaneRange(lane);
        if (index < range.Length())
            return {.What = Kind::DetailedView, .Lane = lane, .Position = range.First + index};
        index -= range.Length();
    }
    return {};
}
