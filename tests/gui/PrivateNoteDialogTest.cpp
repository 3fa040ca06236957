// The private note dialog and its code description dialog, as the edit-note
// command opens them.

#include "DialogsDocument.h"
#include "ModalScript.h"

#include "dialogs/CDlgPrivateNote.h"
#include "dialogs/CDlgPrivateNoteCodeDescr.h"
#include "document/CommandIds.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace dialogtest {
namespace {

using D = CDlgPrivateNote;

// Types over the code edit's whole text; answers the description it shows.
QString TypeCode(QWidget& dialog, const char* text)
{
    auto& code = Control<QLineEdit>(dialog, D::IDC_CODE);
    code.selectAll();
    QTest::keyClick(&code, Qt::Key_Delete);
    QTest::keyClicks(&code, text);
    return Control<QLineEdit>(dialog, D::IDC_DESCRIPTION).text();
}

TEST(PrivateNoteDialog, DescriptionFollowsTheCodeAndWhatIsNoNumberIsRefused)
{
    DialogsDocument review({TimedRecord(0, "", "")});
    testsupport::WriteFile(review.NotePath(), "5 check\n");
    review.CodeNotes.SetNote(1, "Speeding");
    review.CodeNotes.SetNote(12, "Bus lane");
    QStringList refusals;
    const ModalScript::Step answerBox = [&refusals](QWidget& box) {
        refusals.append(static_cast<QMessageBox&>(box).text());
        QTest::keyClick(&box, Qt::Key_Return);
    };
    const ModalScript script{
        [](QWidget& dialog) {
            const struct { const char *typed, *description; } cases[] = {
                {"12", "Bus lane"}, {"", "Bus lane"}, {"-", "Bus lane"}, {"1", "Speeding"}, {"2", ""}, {"12", "Bus lane"}};
            for (const auto& c : cases)
                EXPECT_EQ(TypeCode(dialog, c.typed), c.description) << c.typed;
            QTest::keyClicks(&Control<QLineEdit>(dialog, D::IDC_CODE), "x");  // refused now
            EXPECT_EQ(Control<QLineEdit>(dialog, D::IDC_CODE).text(), "12") << "the code keeps its value";
            TypeCode(dialog, "");
            QTest::keyClick(&dialog, Qt::Key_Return);  // refused now
        },
        answerBox, answerBox,
        [](QWidget& dialog) {
            EXPECT_EQ(TypeCode(dialog, "3"), "");
            QTest::keyClicks(&Control<QLineEdit>(dialog, D::IDC_NOTE), " again");
            QTest::keyClick(&dialog, Qt::Key_Return);
        }};
    review.Document->OnCommand(ID_NOTE_EDIT);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(refusals, QStringList({D::IntegerMessage, D::IntegerMessage}));
    EXPECT_EQ(testsupport::ReadFile(review.NotePath()), "3 check again\n");
}

TEST(PrivateNoteDialog, DescriptionWrittenThroughEllipsisStaysWhenTheNoteIsCancelled)
{
    DialogsDocument review({TimedRecord(0, "", "")});
    testsupport::WriteFile(review.NotePath(), "5 check\n");
    const ModalScript script{
        [](QWidget& dialog) {
            TypeCode(dialog, "12");
            Control<QToolButton>(dialog, D::IDC_DESCRIBE).click();  // the description dialog comes now
            EXPECT_EQ(Control<QLineEdit>(dialog, D::IDC_DESCRIPTION).text(), "Red camera");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        },
        [](QWidget& describe) {
            EXPECT_EQ(Control<QLabel>(describe, CDlgPrivateNoteCodeDescr::IDC_CODE).text(), "12");
            auto& description = Control<QLineEdit>(describe, CDlgPrivateNoteCodeDescr::IDC_DESCRIPTION);
            EXPECT_EQ(description.text(), "");
            QTest::keyClicks(&description, "Red camera");
            QTest::keyClick(&describe, Qt::Key_Return);
        }};
    review.Document->OnCommand(ID_NOTE_EDIT);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(review.CodeNotes.GetNote(12), "Red camera");
    EXPECT_EQ(testsupport::ReadFile(review.NotePath()), "5 check\n");
}

}  // namespace
}  // namespace dialogtest
