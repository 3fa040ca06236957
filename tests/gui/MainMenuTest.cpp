// The main menu built from the menus and the command table, and how its
// items follow the update rules.

#include "ReviewWindow.h"

#include "document/CommandIds.h"
#include "document/ReviewMenus.h"

#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace {

using shelltest::ReviewWindow;

QMenu* MenuTitled(const CMainFrame& frame, const QString& title)
{
    for (QAction* entry : frame.menuBar()->actions())
        if (entry->text() == title)
            return entry->menu();
    return nullptr;
}

QAction* Item(const QMenu& menu, int command)
{
    for (QAction* action : menu.actions())
        if (action->data().toInt() == command)
            return action;
    return nullptr;
}

QMenu& DetailedMenu(const ReviewWindow& window)
{
    QMenu* menu = MenuTitled(*window.Frame, "&Detailed View");
    EXPECT_NE(menu, nullptr);
    return *menu;
}

TEST(MainMenuTest, EveryItemAsTheMenusDefineIt)
{
    ReviewWindow window;
    const QList<QAction*> entries = window.Frame->menuBar()->actions();
    ASSERT_EQ(entries.size(), static_cast<qsizetype>(MainMenu().size()));
    for (std::size_t m = 0; m < MainMenu().size(); ++m) {
        const MenuDefinition& definition = MainMenu()[m];
        SCOPED_TRACE(definition.Title);
        EXPECT_EQ(entries.at(m)->text().toStdString(), definition.Title);
        const QList<QAction*> items = entries.at(m)->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(definition.Items.size()));
        for (std::size_t i = 0; i < definition.Items.size(); ++i) {
            const MenuItem& item = definition.Items[i];
            EXPECT_EQ(items.at(i)->isSeparator(), item.Command == MenuItem::Separator);
            if (item.Command == MenuItem::Separator)
                continue;
            EXPECT_EQ(items.at(i)->data().toInt(), item.Command);
            EXPECT_EQ(items.at(i)->text().toStdString(), item.Text);
            // The keys belong to the accelerator filter, which also works while
            // full screen hides the menu.
            EXPECT_TRUE(items.at(i)->shortcut().isEmpty());
        }
    }
}

TEST(MainMenuTest, StatesFollowEveryHint)
{
    ReviewWindow window;
    QMenu& menu = DetailedMenu(window);
    // A new document corrects colours automatically at 100 percent.
    EXPECT_TRUE(Item(menu, ID_COLOR_AUTO)->isChecked());
    EXPECT_FALSE(Item(menu, ID_COLOR_DAY)->isChecked());
    EXPECT_TRUE(Item(menu, ID_ZOOM_100)->isChecked());
    EXPECT_FALSE(Item(menu, ID_PRINT_DETAILED_VIEW)->isEnabled());

    ASSERT_TRUE(window.Document->OnCommand(ID_COLOR_DAY));
    EXPECT_TRUE(Item(menu, ID_COLOR_DAY)->isChecked());
    EXPECT_FALSE(Item(menu, ID_COLOR_AUTO)->isChecked());
    ASSERT_TRUE(window.Document->OnCommand(ID_ZOOM_FIT));
    EXPECT_TRUE(Item(menu, ID_ZOOM_FIT)->isChecked());
    EXPECT_FALSE(Item(menu, ID_ZOOM_100)->isChecked());
}

TEST(MainMenuTest, StatesAreTakenAgainWhenAMenuOpens)
{
    ReviewWindow window;
    QMenu& menu = DetailedMenu(window);
    // A change without a hint shows only once the menu opens.
    window.Document->Zoom = 200;
    EXPECT_TRUE(Item(menu, ID_ZOOM_100)->isChecked());
    window.Frame->show();
    menu.popup(QPoint(0, 0));
    EXPECT_TRUE(Item(menu, ID_ZOOM_200)->isChecked());
    EXPECT_FALSE(Item(menu, ID_ZOOM_100)->isChecked());
    menu.hide();
}

}  // namespace
