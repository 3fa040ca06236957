#include "platform/MenuFromDefinition.h"

#include "document/MenuDefinition.h"

#include <QMenu>

QMenu* MenuFromDefinition(const MenuDefinition& definition, QWidget* parent)
{
    auto* menu = new QMenu(QString::fromStdString(definition.Title), parent);
    for (const MenuItem& item : definition.Items) {
        if (item.Command == MenuItem::Separator) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromStdString(item.Text));
        action->setData(item.Command);
    }
    return menu;
}
