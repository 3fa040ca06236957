#include "printing/PrintRecordsListPage.h"

#include "document/CVantrelDoc.h"
#include "printing/PrintLayout.h"
#include "printing/TextLineBox.h"
#include "records/RecordListText.h"

#include <string>

namespace {

constexpr int RootLine = 1;
constexpr int FirstRowLine = 3;

const char* DecisionText(RecordState state)
{
    switch (state) {
    case RecordState::Confirmed:
        return "\t(Confirmed)";
    case RecordState::Rejected:
        return "\t(Rejected)";
    default:
        return "";
    }
}

}  // namespace

void PrintRecordsListPage(PageCanvas& canvas, const PrintLayout& layout, const CVantrelDoc& document, int firstRow)
{
    const RecordDirectory& records = document.Records();
    const int cell = layout.Cell.Height;
    canvas.DrawLineWithEllipsis(TextLineBox(layout.PrintRect, 0, cell), "Records list");
    canvas.DrawLineWithEllipsis(TextLineBox(layout.PrintRect, RootLine, cell), records.Root);
    const int rows = static_cast<int>(records.Visible.size());
    for (int line = FirstRowLine, row = firstRow; line < layout.LinesPerPage && row < rows; ++line, ++row) {
        const std::string text = RecordListText(records, row, document.PrivateNotesMode()) +
                                 DecisionText(records.Visible[row].State);
        canvas.DrawLineWithTabs(TextLineBox(layout.PrintRect, line, cell), text);
    }
}
