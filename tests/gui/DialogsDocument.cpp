#include "DialogsDocument.h"

#include "RecordTreeWriter.h"

namespace dialogtest {

DialogsDocument::DialogsDocument(const std::vector<testsupport::ReviewRecord>& records) : Records(records)
{
    for (const testsupport::ReviewRecord& record : records)
        testsupport::WriteReviewRecord(Root.Path(), record);
    Settings.RootDirectory = Root.Path();
    Document = std::make_unique<CVantrelDoc>(Settings, CodeNotes, Services);
    Document->OnNewDocument();
    Document->Refresh();
    Document->AddView(&View);
}

testsupport::ReviewRecord TimedRecord(int minute, std::string red, std::string yellow)
{
    return {testsupport::RecordName(2006, 3, 1, 12, minute, 0), 1, {1, 0, 0}, std::move(red), std::move(yellow)};
}

}  // namespace dialogtest
