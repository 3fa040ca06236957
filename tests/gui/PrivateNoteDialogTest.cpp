// The private note dialog and its code description dialog, as the edit-note
// command opens them.

#include "DialogsDocument.h"
#include "ModalScript.h"
#include "TempDir.h"

#include "dialogs/CDlgPrivateNote.h"
#include "dialogs/CDlgPrivateNoteCodeDescr.h"
#include "document/CommandIds.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QToolButton>
#include <QTest>

#include <gtest/gtest.h>

namespace dialogtest {
namespace {

using D = CDlgPrivateNote;

// Replaces the code edit's text as the user types it over a selection.
void TypeCode(QWidget& dialog, const char* text)
{
    auto& code = Control<QLineEdit>(dialog, D::IDC_CODE);
    code.selectAll();
    QTest::keyClick(&code, Qt::Key_Delete);
    QTest::keyClicks(&code, text);
}

QString Description(QWidget& dialog)
{
    return Control<QLineEdit>(dialog, D::IDC_DESCRIPTION).text();
}

// Closes a message box with OK and notes what it said.
ModalScript::Step AnswerBox(QString& text)
{
    return [&text](QWidget& box) {
        text = static_cast<QMessageBox&>(box).text();
        QTest::keyClick(&box, Qt::Key_Return);
    };
}

TEST(PrivateNoteDialog, DescriptionFollowsTheTypedCodeAndALetterIsRefused)
{
    DialogsDocument review({TimedRecord(0, "", "")});
    review.CodeNotes.SetNote(1, "Speeding");
    review.CodeNotes.SetNote(12, "Bus lane");
    QString refusal;
    const ModalScript script{
        [&](QWidget& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Private Note");
            const struct { const char* typed; const char* description; } cases[] = {
                {"12", "Bus lane"}, {"", "Bus lane"}, {"-", "Bus lane"}, {"1", "Speeding"}, {"2", ""}, {"12", "Bus lane"}};
            for (const auto& c : cases) {
                TypeCode(dialog, c.typed);
                EXPECT_EQ(Description(dialog), c.description) << c.typed;
            }
            QTest::keyClicks(&Control<QLineEdit>(dialog, D::IDC_CODE), "x");  // the box comes now
            EXPECT_EQ(Control<QLineEdit>(dialog, D::IDC_CODE).text(), "12") << "the code keeps its value";
            EXPECT_EQ(Description(dialog), "Bus lane");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        },
        AnswerBox(refusal)};
    review.Document->OnCommand(ID_NOTE_EDIT);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(refusal, D::IntegerMessage);
    EXPECT_FALSE(testsupport::Exists(review.NotePath()));
}

TEST(PrivateNoteDialog, DescriptionWrittenThroughEllipsisStaysWhenTheNoteIsCancelled)
{
    DialogsDocument review({TimedRecord(0, "", "")});
    testsupport::WriteFile(review.NotePath(), "5 check\n");
    const ModalScript script{
        [&](QWidget& dialog) {
            TypeCode(dialog, "12");
            Control<QToolButton>(dialog, D::IDC_DESCRIBE).click();  // the description dialog comes now
            EXPECT_EQ(Description(dialog), "Red camera");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        },
        [](QWidget& describe) {
            EXPECT_EQ(describe.windowTitle(), "Code description");
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

TEST(PrivateNoteDialog, OkRefusesAnEmptyCodeThenWritesCodeAndText)
{
    DialogsDocument review({TimedRecord(0, "", "")});
    testsupport::WriteFile(review.NotePath(), "5 check\n");
    QString refusal;
    const ModalScript script{
        [](QWidget& dialog) {
            TypeCode(dialog, "");
            QTest::keyClick(&dialog, Qt::Key_Return);  // the box comes now
        },
        AnswerBox(refusal),
        [](QWidget& dialog) {
            EXPECT_EQ(Control<QLineEdit>(dialog, D::IDC_CODE).text(), "5");
            TypeCode(dialog, "3");
            QTest::keyClicks(&Control<QLineEdit>(dialog, D::IDC_NOTE), " again");
            QTest::keyClick(&dialog, Qt::Key_Return);
        }};
    review.Document->OnCommand(ID_NOTE_EDIT);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(refusal, D::IntegerMessage);
    EXPECT_EQ(testsupport::ReadFile(review.NotePath()), "3 check again\n");
}

}  // namespace
}  // namespace dialogtest
