#pragma once

#include "document/CReviewView.h"

#include <QObject>

#include <vector>

class CCommandTarget;
class CommandTable;
class CRecentFileList;
class QAction;
class QMenu;
class QMenuBar;

// The main menu bar built from the menus and the command table: one action
// per item, carrying its command id; the text after a tab shows as the key.
// The keys themselves are the accelerator filter's, so they work also while
// full screen hides the menu. Registered with the document, it brings the
// items up to date after every hint, and each menu again when it opens.
class CMainMenu : public QObject, public CReviewView {
    Q_OBJECT

public:
    CMainMenu(QMenuBar& bar, const CommandTable& commands, const CRecentFileList& recentFiles,
              CCommandTarget& target, QObject* parent);

    // Enabled and checked states of every item, from the update rules.
    void UpdateStates();
    void UpdateStates(QMenu& menu);
    void OnUpdate(int hint, const CCommandHint* object) override;

private:
    QAction* MakeItem(QMenu& menu, int command, const QString& text);
    // The recent-file entries in place of the ones shown: "Recent File"
    // alone while the list is empty.
    void FillRecentFiles();

    QMenuBar& m_bar;
    const CommandTable& m_commands;
    const CRecentFileList& m_recentFiles;
    CCommandTarget& m_target;
    QMenu* m_fileMenu = nullptr;
    std::vector<QAction*> m_recentActions;
};
