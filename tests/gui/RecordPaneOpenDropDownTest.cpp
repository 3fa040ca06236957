// The records pane's "Open..." drop-down offers what the main window's File
// menu offers: the open command and the first four recent files.

#include "FakeReviewServices.h"
#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"
#include "document/CVantrelDoc.h"
#include "document/CommandIds.h"
#include "document/UpdateHints.h"
#include "platform/CBButton.h"
#include "platform/CRecentFileList.h"
#include "ui/CMainFrame.h"
#include "ui/CRecordDirectoryPane.h"
#include "ui/CVantrelView.h"

#include <QMenu>
#include <QSettings>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// "text=id" per item of the button's popup as the officer opens it, "-" for
// a separator.
std::vector<std::string> DropDownItems(const CRecordDirectoryPane& pane)
{
    std::vector<std::string> items;
    for (const CBButton* button : pane.findChildren<CBButton*>()) {
        if (button->ControlId() != ID_FILE_OPEN)
            continue;
        emit button->Menu()->aboutToShow();
        const QAction* first = button->Menu()->actions().value(0);
        if (!first || !first->menu())
            continue;
        for (const QAction* item : first->menu()->actions())
            items.push_back(item->isSeparator() ? "-"
                                                : item->text().toStdString() + "=" + item->data().toString().toStdString());
    }
    return items;
}

TEST(RecordPaneOpenDropDownTest, OffersOpenThenAtMostTheFirstFourRecentFilesAtEachGeneralUpdate)
{
    const std::string open = "&Open...\tCtrl+O=57601";
    const struct {
        int added;  // paths /r1, /r2, ... added in that order, newest first in the list
        std::vector<std::string> items;
    } cases[] = {
        {0, {open, "-", "Recent File=57616"}},
        {2, {open, "-", "&1 /r2=57616", "&2 /r1=57617"}},
        {6, {open, "-", "&1 /r6=57616", "&2 /r5=57617", "&3 /r4=57618", "&4 /r3=57619"}},
    };
    for (const auto& c : cases) {
        QSettings("Orvane Solutions", "Vantrel").clear();
        // A list longer than the drop-down: the File menu shows six.
        CRecentFileList recentFiles(6);
        for (int i = 1; i <= c.added; ++i)
            recentFiles.Add(QStringLiteral("/r%1").arg(i));
        CVantrelSettings settings;
        CCodeNoteMap codeNotes;
        testsupport::FakeReviewServices services;
        CVantrelDoc document(settings, codeNotes, services);
        CMainFrame frame(document, recentFiles);
        const CRecordDirectoryPane& pane = *frame.View()->RecordsPane();
        EXPECT_EQ(DropDownItems(pane), std::vector<std::string>{}) << "empty before the first general update";
        document.UpdateAllViews(HINT_LIST);
        EXPECT_EQ(DropDownItems(pane), std::vector<std::string>{}) << "only general updates rebuild it";
        document.UpdateAllViews(HINT_ALL);
        EXPECT_EQ(DropDownItems(pane), c.items) << c.added << " recent files";
    }
}

}  // namespace
