// Start-up and exit of the application in a working directory of its own:
// the settings question, the root check and File New.

#include "ModalAnswerer.h"
#include "RecordTreeWriter.h"
#include "TempDir.h"

#include "app/CVantrelApp.h"
#include "document/CVantrelDoc.h"
#include "document/CommandIds.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

namespace {

using shelltest::ModalAnswerer;
using testsupport::ReadFile;

class ApplicationStartTest : public testing::Test {
protected:
    ApplicationStartTest() { QDir::setCurrent(QString::fromStdString(m_work.Path())); }
    ~ApplicationStartTest() override { QDir::setCurrent(m_previous); }

    std::string SettingsPath() const { return m_work.Path() + CVantrelApp::SettingsFileName; }
    std::string CodeNotePath() const { return m_work.Path() + CVantrelApp::CodeNoteFileName; }

    QString m_previous = QDir::currentPath();
    testsupport::TempDir m_work;
};

TEST_F(ApplicationStartTest, MissingSettingsAnsweredYesStartsOnDefaultsAndWritesBothFilesAtExit)
{
    {
        CVantrelApp app;
        ModalAnswerer answer(QMessageBox::Yes);
        ASSERT_TRUE(app.InitInstance({"vantrel"}));
        ASSERT_EQ(answer.Seen().size(), 1u);
        EXPECT_EQ(answer.Seen()[0].toStdString(),
                  app.Settings().LastError +
                      "\n\nDo you want the program to continue using\ndefault manufactory defined parameters?\n");
        EXPECT_EQ(app.Settings().RootDirectory, "./");
        EXPECT_FALSE(testsupport::Exists(SettingsPath()));
        EXPECT_EQ(app.ExitInstance(0), 0);
    }
    CVantrelSettings written;
    ASSERT_EQ(written.LoadSettings(SettingsPath()), 1);
    EXPECT_EQ(written.RootDirectory, "./");
    CCodeNoteMap notes;
    EXPECT_EQ(notes.LoadCodeNotes(CodeNotePath()), 1);
}

TEST_F(ApplicationStartTest, SettingsQuestionAnsweredNoEndsAndReplacesNothing)
{
    testsupport::WriteFile(SettingsPath(), "<Settings><RootDirectory>");  // broken
    testsupport::WriteFile(CodeNotePath(), "stored code notes");
    CVantrelApp app;
    ModalAnswerer answer(QMessageBox::No);
    EXPECT_FALSE(app.InitInstance({"vantrel"}));
    EXPECT_EQ(answer.Seen().size(), 1u);
    EXPECT_EQ(app.ExitInstance(1), 1);
    EXPECT_EQ(ReadFile(SettingsPath()), "<Settings><RootDirectory>");
    EXPECT_EQ(ReadFile(CodeNotePath()), "stored code notes");
}

// A deleted root gives way to the start directory, whose records come with
// the Refresh posted at start; File New again neither makes a new window nor
// refreshes.
TEST_F(ApplicationStartTest, DeletedRootDirectoryGivesWayToTheStartDirectoryAndFileNewAgainDoesNothing)
{
    const std::string gone = m_work.MakeDir("gone");
    CVantrelSettings settings;
    settings.RootDirectory = gone;
    ASSERT_EQ(settings.SaveSettings(SettingsPath()), 1);
    ASSERT_EQ(rmdir(gone.c_str()), 0);
    testsupport::MakeRecordDirectories(m_work.Path(), 2, 60);
    {
        CVantrelApp app;
        ModalAnswerer answer(QMessageBox::No);
        ASSERT_TRUE(app.InitInstance({"vantrel"}));
        EXPECT_TRUE(answer.Seen().empty());
        EXPECT_EQ(app.Settings().RootDirectory, m_work.Path());
        QCoreApplication::processEvents();
        CVantrelDoc* document = app.Document();
        CMainFrame* frame = app.Frame();
        EXPECT_EQ(document->Records().Visible.size(), 2u);
        testsupport::MakeRecordDirectory(m_work.Path(), testsupport::RecordName(2006, 3, 1, 10, 0, 0));
        EXPECT_TRUE(document->OnCommand(ID_FILE_NEW));
        QCoreApplication::processEvents();
        EXPECT_EQ(app.Document(), document);
        EXPECT_EQ(app.Frame(), frame);
        EXPECT_EQ(document->Records().Visible.size(), 2u);  // no second Refresh came
        app.ExitInstance(0);
    }
    CVantrelSettings written;
    ASSERT_EQ(written.LoadSettings(SettingsPath()), 1);
    EXPECT_EQ(written.RootDirectory, m_work.Path());
}

}  // namespace
