#pragma once

#include <QObject>

#include <vector>

class CCommandBinder;
class CRecentFileList;
class QAction;
class QMenu;
class QMenuBar;

// The main menu bar built from the menus and the command table: one action
// per item, carrying its command id; the text after a tab shows as the key.
// The keys themselves are the accelerator filter's, so they work also while
// full screen hides the menu. The binder runs the items and keeps their
// states; the menu itself only keeps the recent files in step.
class CMainMenu : public QObject {
    Q_OBJECT

public:
    CMainMenu(QMenuBar& bar, const CRecentFileList& recentFiles, CCommandBinder& binder, QObject* parent);

    // The "&File" menu, with the recent files as it showed them last.
    QMenu* FileMenu() const { return m_fileMenu; }

private:
    QAction* MakeItem(QMenu& menu, int command, const QString& text);
    // The recent-file entries in place of the ones shown: "Recent File"
    // alone while the list is empty.
    void FillRecentFiles();

    const CRecentFileList& m_recentFiles;
    CCommandBinder& m_binder;
    QMenu* m_fileMenu = nullptr;
    std::vector<QAction*> m_recentActions;
};
