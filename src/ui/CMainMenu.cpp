#include "ui/CMainMenu.h"

#include "document/CommandIds.h"
#include "document/CommandTable.h"
#include "document/ReviewMenus.h"
#include "platform/CCommandTarget.h"
#include "platform/CRecentFileList.h"

#include <QMenu>
#include <QMenuBar>

namespace {

int CommandOf(const QAction& action)
{
    return action.data().toInt();
}

}  // namespace

CMainMenu::CMainMenu(QMenuBar& bar, const CommandTable& commands, const CRecentFileList& recentFiles,
                     CCommandTarget& target, QObject* parent)
    : QObject(parent), m_bar(bar), m_commands(commands), m_recentFiles(recentFiles), m_target(target)
{
    for (const MenuDefinition& definition : MainMenu()) {
        QMenu* menu = m_bar.addMenu(QString::fromStdString(definition.Title));
        for (const MenuItem& item : definition.Items) {
            if (item.Command == MenuItem::Separator) {
                menu->addSeparator();
                continue;
            }
            QAction* action = MakeItem(*menu, item.Command, QString::fromStdString(item.Text));
            menu->addAction(action);
            if (item.Command == ID_FILE_MRU_FILE1) {
                m_fileMenu = menu;
                m_recentActions.push_back(action);
            }
        }
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateStates(*menu); });
    }
    UpdateStates();
}

QAction* CMainMenu::MakeItem(QMenu& menu, int command, const QString& text)
{
    auto* action = new QAction(text, &menu);
    action->setData(command);
    connect(action, &QAction::triggered, this, [this, command] { m_target.OnCommand(command, nullptr); });
    return action;
}

void CMainMenu::FillRecentFiles()
{
    if (!m_fileMenu || m_recentActions.empty())
        return;
    QAction* before = m_recentActions.front();
    std::vector<QAction*> fresh;
    const QStringList& entries = m_recentFiles.Entries();
    if (entries.isEmpty())
        fresh.push_back(MakeItem(*m_fileMenu, ID_FILE_MRU_FILE1, QStringLiteral("Recent File")));
    for (int index = 0; index < entries.size(); ++index) {
        const std::string text = RecentFileMenuText(index, entries.at(index).toStdString());
        fresh.push_back(MakeItem(*m_fileMenu, ID_FILE_MRU_FILE1 + index, QString::fromStdString(text)));
    }
    for (QAction* action : fresh)
        m_fileMenu->insertAction(before, action);
    for (QAction* action : m_recentActions)
        delete action;
    m_recentActions = std::move(fresh);
}

void CMainMenu::UpdateStates()
{
    for (QAction* entry : m_bar.actions())
        if (QMenu* menu = entry->menu())
            UpdateStates(*menu);
}

void CMainMenu::UpdateStates(QMenu& menu)
{
    if (&menu == m_fileMenu)
        FillRecentFiles();
    for (QAction* action : menu.actions()) {
        const int command = CommandOf(*action);
        if (command == 0)
            continue;
        const CommandState state = m_commands.Query(command);
        action->setEnabled(state.Enabled);
        action->setCheckable(state.Checked);
        action->setChecked(state.Checked);
    }
}

void CMainMenu::OnUpdate(int hint, const CCommandHint* object)
{
    (void)hint;
    (void)object;
    UpdateStates();
}
