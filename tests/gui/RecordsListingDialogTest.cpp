// The records listing through the save dialog: its filters, the ".txt" the
// file gets, the question before a file is replaced, and Cancel.

#include "DialogsDocument.h"
#include "ModalScript.h"
#include "RecordTreeWriter.h"

#include "document/CommandIds.h"
#include "records/RecordsListing.h"

#include <QComboBox>
#include <QDir>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

namespace dialogtest {
namespace {

// Types the name into the save dialog, which opens in the working
// directory, and clicks Save.
ModalScript::Step SaveAs(const std::string& name)
{
    return [name](QWidget& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, QString::fromStdString(name));
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
    };
}

ModalScript::Step Answer(QMessageBox::StandardButton answer)
{
    return [answer](QWidget& box) { static_cast<QMessageBox&>(box).button(answer)->click(); };
}

TEST(RecordsListingDialog, WritesTheListingTheToolWritesAndAsksBeforeReplacingIt)
{
    DialogsDocument review({TimedRecord(0, "", ""), TimedRecord(1, "", "")});
    testsupport::WriteNoteFile(review.Root.Path() + review.Records[1].Name + "/", "4 check\n");
    review.CodeNotes.SetNote(4, "Lane change");
    const testsupport::TempDir out;
    ASSERT_TRUE(WriteRecordsListing(review.Document->Records(), review.CodeNotes, out.Path() + "tool.txt"));
    const std::string listing = out.Path() + "list.txt";
    const QString workingDirectory = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(out.Path()));

    const auto list = [&](std::initializer_list<ModalScript::Step> steps) {
        const ModalScript script(steps);
        review.Document->OnCommand(ID_RECORDS_LISTING);
        EXPECT_TRUE(script.Done());
    };
    list({[&](QWidget& dialog) {
        auto& fileDialog = static_cast<QFileDialog&>(dialog);
        const auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        EXPECT_EQ(types->itemText(0), "Text files (.txt)");
        EXPECT_EQ(types->itemText(1), "All (*.*)");
        EXPECT_EQ(fileDialog.defaultSuffix(), "txt");
        SaveAs("list")(dialog);
    }});
    EXPECT_EQ(testsupport::ReadFile(listing), testsupport::ReadFile(out.Path() + "tool.txt"));

    testsupport::WriteFile(listing, "older");
    list({SaveAs("list"), Answer(QMessageBox::No), [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }});
    EXPECT_EQ(testsupport::ReadFile(listing), "older") << "No, then Cancel";
    list({SaveAs("list.txt"), Answer(QMessageBox::Yes)});
    EXPECT_EQ(testsupport::ReadFile(listing), testsupport::ReadFile(out.Path() + "tool.txt"));
    QDir::setCurrent(workingDirectory);
}

}  // namespace
}  // namespace dialogtest
