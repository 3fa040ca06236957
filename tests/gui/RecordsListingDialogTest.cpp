// The records listing through the save dialog: its file types, the ".txt"
// the file gets, the question before a file is replaced, and Cancel.

#include "DialogsDocument.h"
#include "ModalScript.h"

#include "document/CommandIds.h"
#include "records/RecordsListing.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace dialogtest {
namespace {

// Types the name into the save dialog, which opens in the working
// directory, and clicks Save.
ModalScript::Step SaveAs(const char* name)
{
    return [name](QWidget& dialog) {
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")), name);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
    };
}

TEST(RecordsListingDialog, SavesAsTextAndAsksBeforeReplacingAFile)
{
    DialogsDocument review({TimedRecord(0, "", "")});
    const testsupport::TempDir out;
    const QString workingDirectory = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(out.Path()));
    const auto list = [&](std::initializer_list<ModalScript::Step> steps) {
        const ModalScript script(steps);
        review.Document->OnCommand(ID_RECORDS_LISTING);
        EXPECT_TRUE(script.Done());
    };
    list({[](QWidget& dialog) {
        const auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        EXPECT_EQ(types->itemText(0), "Text files (.txt)");
        EXPECT_EQ(types->itemText(1), "All (*.*)");
        SaveAs("list")(dialog);
    }});
    ASSERT_TRUE(WriteRecordsListing(review.Document->Records(), review.CodeNotes, out.Path() + "expected.txt"));
    EXPECT_EQ(testsupport::ReadFile(out.Path() + "list.txt"), testsupport::ReadFile(out.Path() + "expected.txt"));

    testsupport::WriteFile(out.Path() + "list.txt", "older");
    list({SaveAs("list"), [](QWidget& box) { static_cast<QMessageBox&>(box).button(QMessageBox::No)->click(); },
          [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }});
    EXPECT_EQ(testsupport::ReadFile(out.Path() + "list.txt"), "older") << "No, then Cancel";
    QDir::setCurrent(workingDirectory);
}

}  // namespace
}  // namespace dialogtest
