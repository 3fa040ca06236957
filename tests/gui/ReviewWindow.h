#pragma once

// The document with its main window as the application makes them, on a
// record root of its own and the real desktop services.

#include "TempDir.h"
#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"
#include "dialogs/CQtReviewDialogs.h"
#include "document/CVantrelDoc.h"
#include "platform/CRecentFileList.h"
#include "ui/CMainFrame.h"

#include <memory>

namespace shelltest {

struct ReviewWindow {
    ReviewWindow();

    testsupport::TempDir Root;
    CVantrelSettings Settings;
    CCodeNoteMap CodeNotes;
    CRecentFileList RecentFiles;
    CQtReviewDialogs Services{RecentFiles};
    std::unique_ptr<CVantrelDoc> Document;
    std::unique_ptr<CMainFrame> Frame;  // declared last: it goes before the document
};

}  // namespace shelltest
