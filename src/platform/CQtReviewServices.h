#pragma once

#include "document/ReviewServices.h"

#include <QObject>

class CFrameHost;
class CRecentFileList;
class QWidget;

// The desktop behind the review document: message boxes owned by the main
// window, the save dialog, the wait cursor, the main window's title and full
// screen, the recent-files list, and letting waiting events run. The
// document's own dialogs live in the dialogs layer above, which completes
// these services with them (CQtReviewDialogs).
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

    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    void SetPathName(const std::string& path) override;
    void SetFullScreen(bool on) override;
    void ShowMaximizedAndRedraw() override;
    bool PumpWaitingMessages() override;

protected:
    // The main window, which owns every box and dialog; null before it exists.
    QWidget* Owner() const;
    // Notices the application's quit request, which ends every pump.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CRecentFileList& m_recentFiles;
    CFrameHost* m_frame = nullptr;
    bool m_quitting = false;
};
