// The desktop services on real windows: boxes, the save dialog, the wait
// cursor, the title and recent files, print preview and the event pump.

#include "ModalAnswerer.h"
#include "ReviewWindow.h"

#include "document/RecordInformation.h"
#include "document/SaveFileRequest.h"
#include "ui/CVantrelView.h"

#include <QApplication>
#include <QFileDialog>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using shelltest::ModalAnswerer;
using shelltest::ReviewWindow;

TEST(QtReviewServicesTest, MessageBoxesCarryTheProgramTitleAndTheirIcon)
{
    ReviewWindow window;
    const struct {
        ReviewServices::MessageIcon icon;
        QMessageBox::Icon expected;
    } rows[] = {{ReviewServices::MessageIcon::Information, QMessageBox::Information},
                {ReviewServices::MessageIcon::Warning, QMessageBox::Warning},
                {ReviewServices::MessageIcon::Error, QMessageBox::Critical}};
    for (const auto& row : rows) {
        ModalAnswerer answer(ModalAnswerer::Click(QMessageBox::Ok));
        window.Services.ShowMessage("File I/O error.\nThe record may not be confirmed.", row.icon);
        ASSERT_EQ(answer.Seen().size(), 1u);
        EXPECT_EQ(answer.Seen()[0].Title, "Vantrel");
        EXPECT_EQ(answer.Seen()[0].Text, "File I/O error.\nThe record may not be confirmed.");
        EXPECT_EQ(answer.Seen()[0].Icon, row.expected);
        EXPECT_EQ(answer.Seen()[0].Buttons, QMessageBox::Ok);
    }
}

TEST(QtReviewServicesTest, YesNoQuestionAnswersTheButtonChosen)
{
    ReviewWindow window;
    for (const bool yes : {true, false}) {
        ModalAnswerer answer(ModalAnswerer::Click(yes ? QMessageBox::Yes : QMessageBox::No));
        EXPECT_EQ(window.Services.AskYesNo("Delete the note?"), yes);
        ASSERT_EQ(answer.Seen().size(), 1u);
        EXPECT_EQ(answer.Seen()[0].Icon, QMessageBox::Question);
        EXPECT_EQ(answer.Seen()[0].Buttons, QMessageBox::Yes | QMessageBox::No);
    }
}

TEST(QtReviewServicesTest, DialogsThatDoNotExistYetSaySoAndCancel)
{
    ReviewWindow window;
    ModalAnswerer answer(ModalAnswerer::Click(QMessageBox::Ok));
    RecordInformation information;
    EXPECT_FALSE(window.Services.RunRecordInformation(information));
    ASSERT_EQ(answer.Seen().size(), 1u);
    EXPECT_EQ(answer.Seen()[0].Text, "The record information dialog is not available in this version.");
}

TEST(QtReviewServicesTest, SaveDialogOffersTheFiltersAndAddsTheExtension)
{
    ReviewWindow window;
    SaveFileRequest request;
    request.Filters = {{"Text files (.txt)", "*.txt"}, {"All files", "*.*"}};
    request.DefaultExtension = "txt";
    const std::string chosen = window.Root.Path() + "listing";
    QStringList filters;
    QString suffix;
    bool asksOverwrite = false;
    ModalAnswerer answer([&](QWidget& modal) {
        auto& dialog = dynamic_cast<QFileDialog&>(modal);
        QDialog& asDialog = dialog;
        filters = dialog.nameFilters();
        suffix = dialog.defaultSuffix();
        asksOverwrite = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        dialog.selectFile(QString::fromStdString(chosen));
        asDialog.accept();
    });
    EXPECT_EQ(window.Services.AskSavePath(request), chosen + ".txt");
    EXPECT_EQ(filters, QStringList({"Text files (.txt) (*.txt)", "All files (*.*)"}));
    EXPECT_EQ(suffix, "txt");
    EXPECT_TRUE(asksOverwrite);
}

TEST(QtReviewServicesTest, CancelledSaveDialogGivesNoPath)
{
    ReviewWindow window;
    ModalAnswerer answer(ModalAnswerer::Click(QMessageBox::Cancel));
    EXPECT_EQ(window.Services.AskSavePath(SaveFileRequest{}), std::nullopt);
    ASSERT_EQ(answer.Seen().size(), 1u);
    EXPECT_EQ(answer.Seen()[0].ClassName, "QFileDialog");
}

TEST(QtReviewServicesTest, WaitCursorsNest)
{
    ReviewWindow window;
    window.Services.BeginWaitCursor();
    window.Services.BeginWaitCursor();
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    window.Services.EndWaitCursor();
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    window.Services.EndWaitCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtReviewServicesTest, RecentFilesKeepFourNewestFirstAcrossRuns)
{
    ReviewWindow window;
    std::vector<std::string> paths;
    for (const char* name : {"a", "b", "c", "d", "e"})
        paths.push_back(window.Root.MakeDir(name));
    for (const std::string& path : paths)
        window.Services.SetPathName(path);
    window.Services.SetPathName(paths[2]);  // again: it moves to the top
    const QStringList expected = {QString::fromStdString(paths[2]), QString::fromStdString(paths[4]),
                                  QString::fromStdString(paths[3]), QString::fromStdString(paths[1])};
    EXPECT_EQ(window.RecentFiles.Entries(), expected);
    EXPECT_EQ(CRecentFileList().Entries(), expected);
    EXPECT_EQ(window.Frame->windowTitle(), QString::fromStdString(paths[2]) + " - Orvane Vantrel Light Control");
}

TEST(QtReviewServicesTest, RelativeRootIsShownAndRememberedInFull)
{
    ReviewWindow window;
    window.Services.SetPathName("./");
    const QString current = QDir::currentPath() + (QDir::currentPath().endsWith('/') ? "" : "/");
    EXPECT_EQ(window.RecentFiles.Entries().value(0), current);
}

TEST(QtReviewServicesTest, PrintPreviewIsPostedToTheMainView)
{
    ReviewWindow window;
    ModalAnswerer answer(ModalAnswerer::Click(QMessageBox::Ok));
    window.Services.StartPrintPreview();
    EXPECT_TRUE(answer.Seen().empty());
    QCoreApplication::processEvents();
    ASSERT_EQ(answer.Seen().size(), 1u);
    EXPECT_EQ(answer.Seen()[0].Text, "Printing is not available in this version.");
}

TEST(QtReviewServicesTest, PumpRunsWaitingEventsUntilTheApplicationQuits)
{
    ReviewWindow window;
    bool ran = false;
    QMetaObject::invokeMethod(window.Frame.get(), [&] { ran = true; }, Qt::QueuedConnection);
    EXPECT_TRUE(window.Services.PumpWaitingMessages());
    EXPECT_TRUE(ran);

    bool pumpedAfterQuit = true;
    QTimer::singleShot(0, [&] {
        QCoreApplication::quit();
        pumpedAfterQuit = window.Services.PumpWaitingMessages();
    });
    QCoreApplication::exec();
    EXPECT_FALSE(pumpedAfterQuit);
    EXPECT_FALSE(window.Services.PumpWaitingMessages());
}

TEST(QtReviewServicesTest, LeavingFullScreenForAPrintShowsTheFrameMaximised)
{
    ReviewWindow window;
    window.Frame->show();
    window.Services.SetFullScreen(true);
    EXPECT_TRUE(window.Frame->IsFullScreen());
    window.Services.SetFullScreen(false);
    window.Services.ShowMaximizedAndRedraw();
    EXPECT_TRUE(window.Frame->isMaximized());
    EXPECT_EQ(window.Frame->geometry(), window.Frame->screen()->availableGeometry());
}

}  // namespace
