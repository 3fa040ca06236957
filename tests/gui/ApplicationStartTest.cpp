// Start-up and exit of the application in a working directory of its own:
// the settings question, the root check, the posted Refresh, File New, Open
// and the command line.

#include "ModalAnswerer.h"
#include "ReviewWindow.h"
#include "RecordTreeWriter.h"
#include "TempDir.h"

#include "app/CVantrelApp.h"
#include "app/IsQueryableVolume.h"
#include "document/CVantrelDoc.h"
#include "document/CommandIds.h"
#include "ui/CMainFrame.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

namespace {

using shelltest::ModalAnswerer;
using testsupport::Exists;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

const char* const Question =
    "\n\nDo you want the program to continue using\ndefault manufactory defined parameters?\n";

class ApplicationStartTest : public testing::Test {
protected:
    ApplicationStartTest() : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(QString::fromStdString(m_work.Path()));
    }
    ~ApplicationStartTest() override { QDir::setCurrent(m_previous); }

    std::string SettingsPath() const { return m_work.Path() + CVantrelApp::SettingsFileName; }
    std::string CodeNotePath() const { return m_work.Path() + CVantrelApp::CodeNoteFileName; }

    void WriteSettings(const std::string& root) const
    {
        CVantrelSettings settings;
        settings.RootDirectory = root;
        ASSERT_EQ(settings.SaveSettings(SettingsPath()), 1);
    }

    // Starts with every box answered No; fails the test if one appears.
    void StartQuietly(CVantrelApp& app, const QStringList& arguments = {"vantrel"})
    {
        ModalAnswerer answer(ModalAnswerer::Click(QMessageBox::No));
        ASSERT_TRUE(app.InitInstance(arguments));
        EXPECT_TRUE(answer.Seen().empty());
    }

    shelltest::ForgottenRecentFiles m_forgotten;
    TempDir m_work;

private:
    QString m_previous;
};

TEST_F(ApplicationStartTest, MissingSettingsAnsweredYesStartsOnDefaultsAndWritesBothFilesAtExit)
{
    {
        CVantrelApp app;
        ModalAnswerer answer(ModalAnswerer::Click(QMessageBox::Yes));
        ASSERT_TRUE(app.InitInstance({"vantrel"}));
        ASSERT_EQ(answer.Seen().size(), 1u);
        EXPECT_EQ(answer.Seen()[0].Text.toStdString(), app.Settings().LastError + Question);
        EXPECT_NE(app.Settings().LastError.find("VantrelControl.settings"), std::string::npos);
        EXPECT_EQ(answer.Seen()[0].Title, "Vantrel");
        EXPECT_EQ(answer.Seen()[0].Icon, QMessageBox::Critical);
        EXPECT_EQ(answer.Seen()[0].Buttons, QMessageBox::Yes | QMessageBox::No);
        // The default root names the working directory and so passes the check.
        EXPECT_EQ(app.Settings().RootDirectory, "./");
        EXPECT_EQ(app.StartDirectory(), m_work.Path());
        EXPECT_EQ(app.SubpoenaBitmapPath(), m_work.Path() + "Subpoena.bmp");
        EXPECT_FALSE(Exists(SettingsPath()));
        EXPECT_EQ(app.ExitInstance(0), 0);
    }
    CVantrelSettings written;
    ASSERT_EQ(written.LoadSettings(SettingsPath()), 1);
    EXPECT_EQ(written.RootDirectory, "./");
    CCodeNoteMap notes;
    EXPECT_EQ(notes.LoadCodeNotes(CodeNotePath()), 1);
    EXPECT_EQ(notes.GetCount(), 0);
}

TEST_F(ApplicationStartTest, SettingsQuestionAnsweredNoEndsAndReplacesNothing)
{
    WriteFile(SettingsPath(), "<Settings><RootDirectory>");  // broken
    WriteFile(CodeNotePath(), "stored code notes");
    CVantrelApp app;
    ModalAnswerer answer(ModalAnswerer::Click(QMessageBox::No));
    EXPECT_FALSE(app.InitInstance({"vantrel"}));
    EXPECT_EQ(answer.Seen().size(), 1u);
    EXPECT_EQ(app.Frame(), nullptr);
    EXPECT_EQ(app.ExitInstance(1), 1);
    EXPECT_EQ(ReadFile(SettingsPath()), "<Settings><RootDirectory>");
    EXPECT_EQ(ReadFile(CodeNotePath()), "stored code notes");
}

TEST_F(ApplicationStartTest, DeletedRootDirectoryGivesWayToTheStartDirectory)
{
    const std::string gone = m_work.MakeDir("gone");
    WriteSettings(gone);
    ASSERT_EQ(rmdir(gone.c_str()), 0);
    {
        CVantrelApp app;
        StartQuietly(app);
        EXPECT_EQ(app.Settings().RootDirectory, m_work.Path());
        app.ExitInstance(0);
    }
    CVantrelSettings written;
    ASSERT_EQ(written.LoadSettings(SettingsPath()), 1);
    EXPECT_EQ(written.RootDirectory, m_work.Path());
}

TEST_F(ApplicationStartTest, FirstRecordListComesWithThePostedRefreshAfterTheWindowShows)
{
    const std::string root = m_work.MakeDir("records");
    testsupport::MakeRecordDirectories(root, 3, 60);
    WriteSettings(root);
    CVantrelApp app;
    StartQuietly(app);
    ASSERT_NE(app.Frame(), nullptr);
    EXPECT_TRUE(app.Frame()->isVisible());
    EXPECT_TRUE(app.Frame()->isMaximized());
    EXPECT_TRUE(app.Document()->Records.Visible.empty());
    EXPECT_EQ(app.Frame()->windowTitle(), "Vantrel - Orvane Vantrel Light Control");
    EXPECT_EQ(app.Document()->FrameImage.Correction, 3);  // the new document's colour mode

    QCoreApplication::processEvents();
    EXPECT_EQ(app.Document()->Records.Visible.size(), 3u);
    EXPECT_EQ(app.Frame()->windowTitle().toStdString(), root + " - Orvane Vantrel Light Control");
}

TEST_F(ApplicationStartTest, FileNewAgainDoesNothing)
{
    WriteSettings(m_work.Path());
    CVantrelApp app;
    StartQuietly(app);
    QCoreApplication::processEvents();
    CVantrelDoc* document = app.Document();
    CMainFrame* frame = app.Frame();
    ASSERT_TRUE(app.FileNewDone());
    testsupport::MakeRecordDirectory(m_work.Path(), testsupport::RecordName(2006, 3, 1, 10, 0, 0));
    EXPECT_TRUE(document->OnCommand(ID_FILE_NEW));
    EXPECT_TRUE(document->OnCommand(ID_FILE_NEW));
    QCoreApplication::processEvents();
    EXPECT_EQ(app.Document(), document);
    EXPECT_EQ(app.Frame(), frame);
    EXPECT_TRUE(document->Records.Visible.empty());  // no second Refresh came
}

TEST_F(ApplicationStartTest, PathOnTheCommandLineBecomesTheRoot)
{
    WriteSettings(m_work.Path());
    const std::string other = m_work.MakeDir("other");
    testsupport::MakeRecordDirectories(other, 2, 60);
    CVantrelApp app;
    StartQuietly(app, {"vantrel", QString::fromStdString(other.substr(0, other.size() - 1))});
    EXPECT_EQ(app.Settings().RootDirectory, other);
    QCoreApplication::processEvents();
    EXPECT_EQ(app.Document()->Records.Visible.size(), 2u);
}

TEST_F(ApplicationStartTest, OpenCancelledChangesNothingAndSaysNothing)
{
    WriteSettings(m_work.Path());
    CVantrelApp app;
    StartQuietly(app);
    QCoreApplication::processEvents();
    ModalAnswerer answer(ModalAnswerer::Click(QMessageBox::Cancel));
    EXPECT_TRUE(app.Document()->OnCommand(ID_FILE_OPEN));
    ASSERT_EQ(answer.Seen().size(), 1u);  // the chooser, and no message after it
    EXPECT_EQ(answer.Seen()[0].ClassName, "QFileDialog");
    EXPECT_EQ(answer.Seen()[0].Title, "Select base directory for records");
    EXPECT_EQ(app.Settings().RootDirectory, m_work.Path());
}

TEST(BaseDirectoryVolumeTest, OnlyAnAnsweringFileSystemIsAValidChoice)
{
    TempDir work;
    EXPECT_TRUE(IsQueryableVolume(work.Path()));
    EXPECT_TRUE(IsQueryableVolume("/"));
    EXPECT_FALSE(IsQueryableVolume(work.Path() + "no such directory/"));
    EXPECT_FALSE(IsQueryableVolume(""));
}

}  // namespace
