// Every dialog lays out its texts whole, at whatever scale the test runs
// (it runs at 100 % and again at 200 %).

#include "config/CCodeNoteMap.h"
#include "dialogs/CDlgPrivateNote.h"
#include "dialogs/CDlgPrivateNoteCodeDescr.h"
#include "dialogs/CDlgRedlightInfo.h"
#include "dialogs/CDlgWhatToPrint.h"
#include "document/CodeDescription.h"
#include "document/PrintSelectionForm.h"
#include "document/PrivateNoteForm.h"
#include "document/RecordInformation.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// An edit shows its text whole when putting the cursor at its end does not
// scroll it; anything else when it has the room its size hint asks for.
bool ShowsWhole(QWidget& widget)
{
    auto* edit = qobject_cast<QLineEdit*>(&widget);
    if (!edit)
        return widget.width() >= widget.sizeHint().width() && widget.height() >= widget.minimumSizeHint().height();
    const auto cursorX = [edit] { return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x(); };
    edit->setCursorPosition(0);
    const int start = cursorX();
    edit->end(false);
    return cursorX() - start >= edit->fontMetrics().horizontalAdvance(edit->text());
}

void ExpectWhole(QWidget& dialog)
{
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    for (QWidget* child : dialog.findChildren<QWidget*>())
        EXPECT_TRUE(ShowsWhole(*child)) << dialog.windowTitle().toStdString() << " " << child->objectName().toStdString();
}

TEST(DialogLayout, EveryTextShowsWhole)
{
    const std::string time = "Wednesday, 30-September-2026 23:59:59.999";  // the widest there is
    RecordInformation information{"Main Street / Station Road", "00:1B:C5:C1:67:10", time, time, "12.345 sec. "};
    CCodeNoteMap codeNotes;
    codeNotes.SetNote(7, "Turned right on red after the stop line, seen twice");
    PrivateNoteForm note(codeNotes, 7, "A note as long as a description can reasonably be");
    CodeDescription description{"2147483647", "A description of the same length as the note"};
    PrintSelectionForm print(PrintRequest{}, PrintSelectionInput{0, {9, 9, 9, 9}, 1790812799, 1, 3, 1});
    const std::unique_ptr<QDialog> dialogs[] = {
        std::make_unique<CDlgRedlightInfo>(information, nullptr), std::make_unique<CDlgPrivateNote>(note, nullptr),
        std::make_unique<CDlgPrivateNoteCodeDescr>(description, nullptr),
        std::make_unique<CDlgWhatToPrint>(print, nullptr)};
    for (const auto& dialog : dialogs)
        ExpectWhole(*dialog);
}

}  // namespace
