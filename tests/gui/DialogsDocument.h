#pragma once

// The document on a record root of its own with the real dialogs, owned by
// no window, and a view that records its hints.

#include "RecordTreeWriter.h"
#include "RecordingView.h"
#include "ReviewRecordWriter.h"
#include "TempDir.h"
#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"
#include "dialogs/CQtReviewDialogs.h"
#include "document/CVantrelDoc.h"
#include "platform/CRecentFileList.h"

#include <memory>
#include <vector>

namespace dialogtest {

struct DialogsDocument {
    explicit DialogsDocument(const std::vector<testsupport::ReviewRecord>& records) : Records(records)
    {
        for (const testsupport::ReviewRecord& record : records)
            testsupport::WriteReviewRecord(Root.Path(), record);
        Settings.RootDirectory = Root.Path();
        Document = std::make_unique<CVantrelDoc>(Settings, CodeNotes, Services);
        Document->OnNewDocument();
        Document->Refresh();
        Document->AddView(&View);
    }

    // The note file of the first record.
    std::string NotePath() const { return Root.Path() + Records.front().Name + "/PrivateNote.txt"; }

    testsupport::TempDir Root;
    std::vector<testsupport::ReviewRecord> Records;
    CVantrelSettings Settings;
    CCodeNoteMap CodeNotes;
    CRecentFileList RecentFiles;
    CQtReviewDialogs Services{RecentFiles};
    std::unique_ptr<CVantrelDoc> Document;
    testsupport::RecordingView View;
};

// A record at 12:mm on 2006-03-01 of one general-view frame with these
// times, and one left-lane frame from unit 00:11:22:33:44:55.
inline testsupport::ReviewRecord TimedRecord(int minute, std::string red, std::string yellow)
{
    return {testsupport::RecordName(2006, 3, 1, 12, minute, 0), 1, {1, 0, 0}, std::move(red), std::move(yellow)};
}

}  // namespace dialogtest
