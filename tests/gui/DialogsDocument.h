#pragma once

// The document on a record root of its own with the real dialogs, owned by
// no window, and a view that records its hints.

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

// Records on 2006-03-01 12:mm:00, one a minute from 12:00 on.
struct DialogsDocument {
    explicit DialogsDocument(const std::vector<testsupport::ReviewRecord>& records);

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

// A record of one general-view frame with these times and one left-lane frame.
testsupport::ReviewRecord TimedRecord(int minute, std::string red, std::string yellow);

}  // namespace dialogtest
