#pragma once

#include "platform/CFrameHost.h"

#include <QMainWindow>
#include <QRect>

class CAcceleratorFilter;
class CCommandBinder;
class CMainMenu;
class CRecentFileList;
class CVantrelDoc;
class CVantrelView;
class QMenu;

// The one top-level window: the main menu over the main view, no toolbar,
// no status bar. It owns the command binder that takes menu items and pane
// buttons to the document, and the accelerator filter that takes the keys
// there; full-screen form hides caption, border and menu.
class CMainFrame : public QMainWindow, public CFrameHost {
    Q_OBJECT

public:
    static constexpr int MinimumWidth = 780;
    static constexpr int MinimumHeight = 560;
    static inline const QString ApplicationTitle = QStringLiteral("Orvane Vantrel Light Control");

    CMainFrame(CVantrelDoc& document, const CRecentFileList& recentFiles);

    CVantrelView* View() const { return m_view; }
    CCommandBinder& Binder() const { return *m_binder; }
    // The first menu of the menu the frame was made with, for the records
    // pane's "Open..." drop-down; it stays while full screen hides the bar.
    QMenu* DefaultFileMenu() const;
    bool IsFullScreen() const { return windowState().testFlag(Qt::WindowFullScreen); }

    // Runs a command after the current event, as a posted menu command.
    void PostCommand(int id);

    QWidget* FrameWidget() override { return this; }
    void SetDocumentTitle(const QString& title) override;
    void SetFullScreen(bool on) override;

    // Maximised on the screen it is on, also where no window manager would
    // maximise it.
    void ShowMaximized() override;

private:
    CVantrelDoc& m_document;
    CCommandBinder* m_binder;
    CVantrelView* m_view;
    CMainMenu* m_menu;
    CAcceleratorFilter* m_accelerators;
    Qt::WindowStates m_savedState;
    QRect m_savedGeometry;
};
