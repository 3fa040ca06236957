#pragma once

#include "platform/CCommandTarget.h"
#include "platform/CFrameHost.h"

#include <QMainWindow>
#include <QRect>

class CAcceleratorFilter;
class CMainMenu;
class CRecentFileList;
class CVantrelDoc;
class CVantrelView;

// The one top-level window: the main menu over the main view, no toolbar,
// no status bar. Menu commands and accelerators reach the document through
// it; full-screen form hides caption, border and menu.
class CMainFrame : public QMainWindow, public CCommandTarget, public CFrameHost {
    Q_OBJECT

public:
    static constexpr int MinimumWidth = 780;
    static constexpr int MinimumHeight = 560;
    static inline const QString ApplicationTitle = QStringLiteral("Orvane Vantrel Light Control");

    CMainFrame(CVantrelDoc& document, const CRecentFileList& recentFiles);
    ~CMainFrame() override;

    CVantrelView* View() const { return m_view; }
    bool IsFullScreen() const { return m_fullScreen; }

    // Asks the document; the main view handles what the document hands on.
    void OnCommand(int id, QWidget* control) override;
    void OnInitMenuPopup(QMenu& popup) override;
    // Posts a command, as a menu would after the current event.
    void PostCommand(int id);

    QWidget* FrameWidget() override { return this; }
    void SetDocumentTitle(const QString& title) override;
    void SetFullScreen(bool on) override;

    // Maximised on the screen it is on, also where no window manager would
    // maximise it.
    void ShowMaximized() override;

private:
    CVantrelDoc& m_document;
    CVantrelView* m_view;
    CMainMenu* m_menu;
    CAcceleratorFilter* m_accelerators;
    bool m_fullScreen = false;
    Qt::WindowStates m_savedState;
    QRect m_savedGeometry;
};
