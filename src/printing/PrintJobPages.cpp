#include "printing/PrintJobPages.h"

#include "document/CVantrelDoc.h"
#include "printing/PrintDetailedViewPage.h"
#include "printing/PrintGeneralViewPage.h"
#include "printing/PrintLayout.h"
#include "printing/PrintRecordsListPage.h"
#include "printing/PrintScreenPage.h"
#include "printing/PrintSubpoenaPage.h"

PrintJobPages::PrintJobPages(CVantrelDoc& document, PrintPictures& pictures)
    : document_(document), pictures_(pictures)
{
}

int PrintJobPages::PageCount(const PrintLayout& layout) const
{
    return Walk(layout).PageCount();
}

void PrintJobPages::PrintPage(PageCanvas& canvas, const PrintLayout& layout, int page)
{
    const PrintedPage shown = Walk(layout).Page(page);
    switch (shown.What) {
    case PrintedPage::Kind::Nothing:
        break;
    case PrintedPage::Kind::Screen:
        PrintScreenPage(canvas, layout, pictures_);
        break;
    case PrintedPage::Kind::Subpoena:
        PrintSubpoenaPage(canvas, pictures_);
        break;
    case PrintedPage::Kind::GeneralView:
        PrintGeneralViewPage(canvas, layout, document_, pictures_, shown.Position, shown.SecondFrame);
        break;
    case PrintedPage::Kind::DetailedView:
        PrintDetailedViewPage(canvas, layout, document_, shown.Lane, shown.Position);
        break;
    case PrintedPage::Kind::RecordsList:
        PrintRecordsListPage(canvas, layout, document_, shown.FirstRow);
        break;
    }
}

PrintPageWalk PrintJobPages::Walk(const PrintLayout& layout) const
{
    const PrintWalkState state{document_.CurrentGeneralFrame(), document_.CurrentLane(),
                               document_.CurrentLaneFrame(), static_cast<int>(document_.Records().Visible.size()),
                               layout.LinesPerPage};
    return {document_.PrintRequest(), state};
}
