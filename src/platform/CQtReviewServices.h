#pragma once

#include "document/ReviewServices.h"

#include <QObject>

class CFrameHost;
class CRecentFileList;
class QWidget;

// The desktop behind the review document: message boxes owned by the main
// window, the save dialog, the wait cursor, the main window's title and full
// screen, the recent-files list, and letting waiting events run.
class CQtReviewServices : public QObject, public ReviewServices {
    Q_OBJECT

public:
    explicit CQtReviewServices(CRecentFileList& recentFiles);

    // The main window appears after the services are made: it owns the
    // boxes and takes the title.
    void SetFrame(CFrameHost* frame);

    bool AskYesNo(const std::string& text) override;
    void ShowMessage(const std::string& text, MessageIcon icon) override;
    std::optional<std::string> AskSavePath(const SaveFileRequest& request) override;

    bool RunRecordInformation(RecordInformation& information) override;
    bool RunPrivateNote(PrivateNoteForm& form) override;
    bool RunPrintSelection(PrintSelectionForm& form) override;

    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    void SetPathName(const std::string& path) override;
    void SetFullScreen(bool on) override;
    void ShowMaximizedAndRedraw() override;
    bool PumpWaitingMessages() override;

protected:
    // Notices the application's quit request, which ends every pump.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* Owner() const;
    bool ShowUnavailable(const QString& what);

    CRecentFileList& m_recentFiles;
    CFrameHost* m_frame = nullptr;
    bool m_quitting = false;
};
