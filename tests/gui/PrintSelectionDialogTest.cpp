// The print selection dialog: its enabling rules after opening and after
// clicks, the refusal of a bad range, and the choice kept between openings.

#include "DialogsDocument.h"
#include "ModalScript.h"

#include "dialogs/CDlgWhatToPrint.h"
#include "document/CommandIds.h"
#include "document/PrintSelectionForm.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>


namespace dialogtest {
namespace {

using F = PrintSelectionForm;

void Click(QWidget& dialog, int id)
{
    auto& button = Control<QAbstractButton>(dialog, id);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(4, button.height() / 2));  // on the indicator
}

// Runs the dialog on the form with the steps; true for OK.
bool RunDialog(F& form, std::initializer_list<ModalScript::Step> steps)
{
    const ModalScript script(steps);
    const bool ok = CDlgWhatToPrint(form, nullptr).exec() == QDialog::Accepted;
    EXPECT_TRUE(script.Done());
    return ok;
}

// The rules themselves are the form's, checked with it; here they reach the
// controls at opening and after each click, and the ticks reach the request.
TEST(PrintSelectionDialog, ALaneWithoutFramesKeepsItsBoxOffAnOffBoxKeepsItsTickAndOkTakesTheChoice)
{
    F form(PrintRequest{}, PrintSelectionInput{0, {4, 0, 2, 3}, 1141214400, 2, 3, 1});
    EXPECT_TRUE(RunDialog(form, {[](QWidget& dialog) {
        EXPECT_EQ(Control<QLabel>(dialog, F::IDC_CAPTION).text(), "[Wednesday, 01-March-2006 12:00:00]");
        const auto enabled = [&dialog](int id) { return Control<QWidget>(dialog, id).isEnabled(); };
        EXPECT_FALSE(enabled(F::IDC_LEFT_LANE + 1)) << "no lane before a partial choice";
        Click(dialog, F::IDC_DETAILED_PARTIAL);
        EXPECT_FALSE(enabled(F::IDC_LEFT_LANE));
        EXPECT_FALSE(enabled(F::IDC_LEFT_FROM + 2)) << "the middle lane is not ticked yet";
        Click(dialog, F::IDC_LEFT_LANE + 1);
        EXPECT_TRUE(enabled(F::IDC_LEFT_FROM + 2) && enabled(F::IDC_LEFT_FROM + 3));
        Click(dialog, F::IDC_DETAILED_NOTHING);
        EXPECT_FALSE(enabled(F::IDC_LEFT_LANE + 1));
        EXPECT_TRUE(Control<QAbstractButton>(dialog, F::IDC_LEFT_LANE + 1).isChecked());
        Click(dialog, F::IDC_RECORDS_LIST);
        QTest::keyClick(&dialog, Qt::Key_Return);
    }}));
    EXPECT_EQ(form.Request().PrintRecordsList, 1);
}

TEST(PrintSelectionDialog, ABadGeneralRangeNamesTheCountAndSelectsTheFromEdit)
{
    F form(PrintRequest{}, PrintSelectionInput{0, {4, 1, 0, 0}, 1141214400, 1, 1, 1});
    QString message;
    const ModalScript::Step error = [&message](QWidget& box) {
        message = static_cast<QMessageBox&>(box).text();
        EXPECT_EQ(static_cast<QMessageBox&>(box).icon(), QMessageBox::Critical);
        QTest::keyClick(&box, Qt::Key_Return);
    };
    RunDialog(form, {[](QWidget& dialog) {
                         auto& from = Control<QLineEdit>(dialog, F::IDC_GENERAL_FROM);
                         auto& to = Control<QLineEdit>(dialog, F::IDC_GENERAL_TO);
                         EXPECT_EQ(from.text() + " " + to.text(), "1 2") << "the default";
                         from.selectAll();
                         QTest::keyClicks(&from, "5a");
                         to.selectAll();
                         QTest::keyClicks(&to, "3");
                         EXPECT_EQ(from.text(), "5") << "digits only";
                         QTest::keyClick(&dialog, Qt::Key_Return);  // refused now
                         EXPECT_TRUE(dialog.isVisible());
                         EXPECT_EQ(dialog.focusWidget(), &from);
                         EXPECT_EQ(from.selectedText(), "5");
                         QTest::keyClick(&dialog, Qt::Key_Escape);
                     },
                     error});
    EXPECT_EQ(message, "Error in the choice for the general view.\nThe frame number may be between 1 and 4.\n");
}

TEST(PrintSelectionDialog, ReopenedForTheSameRecordShowsTheLastConfirmedChoice)
{
    DialogsDocument review({TimedRecord(0, "", "")});
    const auto open = [&](std::function<void(QWidget&)> step) {
        const ModalScript script{step};
        review.Document->OnCommand(ID_DETAILED_PRINT);
        EXPECT_TRUE(script.Done());
    };
    open([](QWidget& dialog) {
        Click(dialog, F::IDC_GENERAL_NOTHING + PrintRequest::All);
        Click(dialog, F::IDC_SUBPOENA);
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    open([](QWidget& dialog) {
        Click(dialog, F::IDC_GENERAL_NOTHING);
        Click(dialog, F::IDC_SUBPOENA);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    open([](QWidget& dialog) {
        EXPECT_TRUE(Control<QAbstractButton>(dialog, F::IDC_GENERAL_NOTHING + PrintRequest::All).isChecked());
        EXPECT_TRUE(Control<QAbstractButton>(dialog, F::IDC_SUBPOENA).isChecked());
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(review.Document->PrintRequest().GeneralChoice, PrintRequest::All);
}

}  // namespace
}  // namespace dialogtest
