#pragma once

#include <QObject>

#include <vector>

class CCommandTarget;
class CommandTable;
class CRecentFileList;
class QAction;
class QMenu;
class QMenuBar;
struct MenuDefinition;

// The main menu bar built from the menus and the command table: one action
// per item, carrying its command id; the text after a tab shows as the key.
// The keys themselves are the accelerator filter's, so they work also while
// full screen hides the menu.
class CMainMenu : public QObject {
    Q_OBJECT

public:
    CMainMenu(QMenuBar& bar, const CommandTable& commands, const CRecentFileList& recentFiles,
              CCommandTarget& target);

    // Enabled and checked states of every item, from the update rules.
    void UpdateStates();
    void UpdateStates(QMenu& menu);

    // Builds a pop-up of the same kind for a pane; its actions send to target.
    static QMenu* BuildPopup(const MenuDefinition& definition, CCommandTarget& target, QWidget* parent);

private:
    static QAction* AddItem(QMenu& menu, int command, const QString& text, CCommandTarget& target);
    void FillRecentFiles(QMenu& menu);

    QMenuBar& m_bar;
    const CommandTable& m_commands;
    const CRecentFileList& m_recentFiles;
    CCommandTarget& m_target;
    std::vector<QAction*> m_recentActions;
};
