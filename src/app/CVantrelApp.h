#pragma once

#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"
#include "dialogs/CQtReviewDialogs.h"
#include "platform/CRecentFileList.h"

#include <QStringList>

#include <memory>
#include <string>

class CMainFrame;
class CVantrelDoc;
class QPrinter;

// The application: where its files live, the settings and code notes for the
// whole run, the one document with its main window, and the commands of the
// application itself (File New at start-up, Open, printer setup, About, Exit,
// the recent files). It runs on the QApplication that main makes.
class CVantrelApp {
public:
    static inline const char* const SettingsFileName = "VantrelControl.settings";
    static inline const char* const CodeNoteFileName = "VantrelControl.codenote";
    static inline const char* const SubpoenaFileName = "Subpoena.bmp";

    CVantrelApp();
    ~CVantrelApp();
    CVantrelApp(const CVantrelApp&) = delete;
    CVantrelApp& operator=(const CVantrelApp&) = delete;

    // Start-up from the working directory; arguments as the command line
    // gives them (the first, the program, is skipped). False ends the
    // program before the event loop.
    bool InitInstance(const QStringList& arguments);
    // After the event loop: writes the settings, then the code notes, but
    // only after a completed start-up. Answers exitCode.
    int ExitInstance(int exitCode);

    // Makes path the record base directory and posts Refresh.
    CVantrelDoc* OpenDocumentFile(const std::string& path);
    // The folder chooser with the volume check; false when cancelled or invalid.
    bool ChooseBaseDirectory(std::string& path);

    bool FileNewDone() const { return m_fileNewDone; }
    const std::string& StartDirectory() const { return m_startDirectory; }
    const std::string& SubpoenaBitmapPath() const { return m_subpoenaBitmapPath; }
    CVantrelSettings& Settings() { return m_settings; }
    CCodeNoteMap& CodeNotes() { return m_codeNotes; }
    CVantrelDoc* Document() const { return m_document.get(); }
    CMainFrame* Frame() const { return m_frame.get(); }
    // The printer that printer setup adjusts and print jobs use.
    QPrinter& Printer();

private:
    bool LoadSettings();
    void CheckRootDirectory();
    void OnFileNew();
    void CreateDocumentAndWindows();
    void AttachCommands();
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnAppAbout();
    void OnRecentFile(int index);

    bool m_fileNewDone = false;
    bool m_startedUp = false;
    std::string m_startDirectory;
    CVantrelSettings m_settings;
    CCodeNoteMap m_codeNotes;
    std::string m_subpoenaBitmapPath;
    CRecentFileList m_recentFiles;
    CQtReviewDialogs m_services;
    std::unique_ptr<QPrinter> m_printer;
    // Destroyed in reverse: the windows before the document they show.
    std::unique_ptr<CVantrelDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
};
