#include "ui/CMainMenu.h"

#include "document/CommandIds.h"
#include "document/ReviewMenus.h"
#include "platform/CCommandBinder.h"
#include "platform/CRecentFileList.h"

#include <QMenu>
#include <QMenuBar>

CMainMenu::CMainMenu(QMenuBar& bar, const CRecentFileList& recentFiles, CCommandBinder& binder,
                     QObject* parent)
    : QObject(parent), m_recentFiles(recentFiles), m_binder(binder)
{
    for (const MenuDefinition& definition : MainMenu()) {
        QMenu* menu = bar.addMenu(QString::fromStdString(definition.Title));
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
        m_binder.BindMenu(*menu);
    }
    // Connected after the binder's: the fresh entries are bound as they are made.
    if (m_fileMenu) {
        connect(m_fileMenu, &QMenu::aboutToShow, this, [this] { FillRecentFiles(); });
        // The stored entries from the start: the records pane offers them
        // before the menu is first opened.
        FillRecentFiles();
    }
}

QAction* CMainMenu::MakeItem(QMenu& menu, int command, const QString& text)
{
    auto* action = new QAction(text, &menu);
    action->setData(command);
    return action;
}

void CMainMenu::FillRecentFiles()
{
    QAction* before = m_recentActions.front();
    std::vector<QAction*> fresh;
    const QStringList& entries = m_recentFiles.Entries();
    if (entries.isEmpty())
        fresh.push_back(MakeItem(*m_fileMenu, ID_FILE_MRU_FILE1, QStringLiteral("Recent File")));
    for (int index = 0; index < entries.size(); ++index) {
        const std::string text = RecentFileMenuText(index, entries.at(index).toStdString());
        fresh.push_back(MakeItem(*m_fileMenu, ID_FILE_MRU_FILE1 + index, QString::fromStdString(text)));
    }
    for (QAction* action : fresh) {
        m_fileMenu->insertAction(before, action);
        m_binder.BindAction(*action);
    }
    for (QAction* action : m_recentActions)
        delete action;
    m_recentActions = std::move(fresh);
}
