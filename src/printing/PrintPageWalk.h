#pragma once

#include "document/PrintRequest.h"
#include "printing/PrintedPage.h"

// What the pages depend on besides the print request.
struct PrintWalkState {
    int CurrentGeneralFrame = 0;  // 0-based
    int CurrentLane = 0;
    int CurrentLaneFrame = 0;     // 1-based
    int VisibleRows = 0;
    int LinesPerPage = 0;
};

// The pages of a print request in their order: the screen page alone, or the
// subpoena, the general view two frames a page, the detailed view a frame a
// page lane by lane, then the records list. Each part knows its page count,
// so that both the count and the look-up of a page take constant time.
class PrintPageWalk {
public:
    PrintPageWalk(const PrintRequest& request, const PrintWalkState& state);

    int PageCount() const;
    // Page from 1; Nothing beyond the walk.
    PrintedPage Page(int page) const;

private:
    // Frame positions First .. End - 1.
    struct FrameRange {
        int First = 0;
        int End = 0;
        int Length() const { return End > First ? End - First : 0; }
    };

    int SubpoenaPages() const;
    int GeneralPages() const;
    int DetailedPages() const;
    int RecordsListPages() const;
    int RowsPerPage() const;
    FrameRange GeneralRange() const;
    FrameRange LaneRange(int lane) const;
    PrintedPage GeneralPage(int index) const;
    PrintedPage DetailedPage(int index) const;

    PrintRequest request_;
    PrintWalkState state_;
};
