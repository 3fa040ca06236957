#include "app/CVantrelApp.h"

#include "app/ApplicationIcon.h"
#include "app/CAboutDialog.h"
#include "app/IsQueryableVolume.h"
#include "app/RegisterTahoma.h"
#include "document/CVantrelDoc.h"
#include "document/CommandIds.h"
#include "platform/ShowMessageBox.h"
#include "records/DirectoryPrefix.h"
#include "ui/CMainFrame.h"
#include "ui/CVantrelView.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrinter>

namespace {

const char* const ContinueQuestion =
    "\n\nDo you want the program to continue using\ndefault manufactory defined parameters?\n";

}  // namespace

CVantrelApp::CVantrelApp() : m_services(m_recentFiles)
{
}

CVantrelApp::~CVantrelApp()
{
    // The windows go first: they still show the document while they close.
    m_frame.reset();
    m_document.reset();
}

bool CVantrelApp::InitInstance(const QStringList& arguments)
{
    UseTahomaForTheApplication();
    QApplication::setWindowIcon(ApplicationIcon());

    // The program's files are found through the working directory, not
    // through where the program lies.
    m_startDirectory = DirectoryPrefix(QDir::currentPath().toStdString());
    m_subpoenaBitmapPath = m_startDirectory + SubpoenaFileName;
    if (!LoadSettings())
        return false;
    // A missing or broken code-note file only means no code has a note yet.
    m_codeNotes.LoadCodeNotes(m_startDirectory + CodeNoteFileName);
    CheckRootDirectory();

    OnFileNew();
    // A path on the command line is made the root once the document exists.
    if (arguments.size() > 1)
        OpenDocumentFile(arguments.at(1).toStdString());
    m_frame->ShowMaximized();
    m_startedUp = true;
    return true;
}

bool CVantrelApp::LoadSettings()
{
    if (m_settings.LoadSettings(m_startDirectory + SettingsFileName))
        return true;
    const QString text = QString::fromStdString(m_settings.LastError + ContinueQuestion);
    return ShowMessageBox(nullptr, text, QMessageBox::Critical, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void CVantrelApp::CheckRootDirectory()
{
    // Tested as the record store will take it, so that an empty text (the
    // working directory) stays as the user wrote it.
    if (!QFileInfo(QString::fromStdString(DirectoryPrefix(m_settings.RootDirectory))).isDir())
        m_settings.RootDirectory = m_startDirectory;
}

int CVantrelApp::ExitInstance(int exitCode)
{
    // After a start-up that ended early the settings may hold defaults the
    // user declined and the code notes were never read: the stored files
    // must not be replaced by them.
    if (m_startedUp) {
        m_settings.SaveSettings(m_startDirectory + SettingsFileName);
        m_codeNotes.SaveCodeNotes(m_startDirectory + CodeNoteFileName);
    }
    return exitCode;
}

void CVantrelApp::OnFileNew()
{
    if (m_fileNewDone)
        return;
    m_fileNewDone = true;
    CreateDocumentAndWindows();
    m_frame->PostCommand(ID_REFRESH);
}

void CVantrelApp::CreateDocumentAndWindows()
{
    m_document = std::make_unique<CVantrelDoc>(m_settings, m_codeNotes, m_services);
    m_document->OnNewDocument();
    AttachCommands();
    m_frame = std::make_unique<CMainFrame>(*m_document, m_recentFiles);
    m_frame->View()->SetPrintSetup(&Printer(), QString::fromStdString(m_subpoenaBitmapPath));
    m_services.SetFrame(m_frame.get());
}

void CVantrelApp::AttachCommands()
{
    CommandTable& commands = m_document->Commands();
    commands.Attach(ID_FILE_NEW, [this] { OnFileNew(); });
    commands.Attach(ID_FILE_OPEN, [this] { OnFileOpen(); });
    commands.Attach(ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
    commands.Attach(ID_APP_ABOUT, [this] { OnAppAbout(); });
    commands.Attach(ID_APP_EXIT, [this] { m_frame->close(); });
    for (int index = 0; ID_FILE_MRU_FILE1 + index <= ID_FILE_MRU_FILE4; ++index)
        commands.Attach(
            ID_FILE_MRU_FILE1 + index, [this, index] { OnRecentFile(index); },
            [this, index] { return CommandState{index < m_recentFiles.Entries().size(), false}; });
}

CVantrelDoc* CVantrelApp::OpenDocumentFile(const std::string& path)
{
    m_settings.RootDirectory = path;
    if (m_frame)
        m_frame->PostCommand(ID_REFRESH);
    return m_document.get();
}

bool CVantrelApp::ChooseBaseDirectory(std::string& path)
{
    const QString chosen = QFileDialog::getExistingDirectory(
        m_frame.get(), QStringLiteral("Select base directory for records"),
        QString::fromStdString(m_settings.RootDirectory), QFileDialog::ShowDirsOnly | QFileDialog::ReadOnly);
    if (chosen.isEmpty())
        return false;
    path = chosen.toStdString();
    if (IsQueryableVolume(path))
        return true;
    ShowMessageBox(m_frame.get(), QStringLiteral("Invalid object:\n\n") + chosen, QMessageBox::Critical,
                   QMessageBox::Ok, QStringLiteral("Orvane Vantrel Control"));
    return false;
}

void CVantrelApp::OnFileOpen()
{
    std::string path;
    if (ChooseBaseDirectory(path))
        OpenDocumentFile(path);
}

QPrinter& CVantrelApp::Printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void CVantrelApp::OnFilePrintSetup()
{
    QPageSetupDialog dialog(&Printer(), m_frame.get());
    dialog.exec();
}

void CVantrelApp::OnAppAbout()
{
    CAboutDialog dialog(m_frame.get());
    dialog.exec();
}

void CVantrelApp::OnRecentFile(int index)
{
    if (index < m_recentFiles.Entries().size())
        OpenDocumentFile(m_recentFiles.Entries().at(index).toStdString());
}
