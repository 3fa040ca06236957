// The main menu is built from the menus and the command table, and its
// items follow the update rules.

#include "ReviewWindow.h"

#include "document/CommandIds.h"
#include "document/ReviewMenus.h"

#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(MainMenuTest, ItemsAreTheMenusDefinitionsAndFollowTheirStates)
{
    QSettings("Orvane Solutions", "Vantrel").clear();  // no recent files from other tests
    shelltest::ReviewWindow window;
    const QList<QAction*> entries = window.Frame->menuBar()->actions();
    ASSERT_EQ(entries.size(), static_cast<qsizetype>(MainMenu().size()));
    std::map<int, QAction*> items;
    for (std::size_t m = 0; m < MainMenu().size(); ++m) {
        EXPECT_EQ(entries.at(m)->text().toStdString(), MainMenu()[m].Title);
        const QList<QAction*> actions = entries.at(m)->menu()->actions();
        ASSERT_EQ(actions.size(), static_cast<qsizetype>(MainMenu()[m].Items.size()));
        for (std::size_t i = 0; i < MainMenu()[m].Items.size(); ++i) {
            const MenuItem& item = MainMenu()[m].Items[i];
            EXPECT_EQ(actions.at(i)->isSeparator(), item.Command == MenuItem::Separator);
            EXPECT_EQ(actions.at(i)->text().toStdString(), item.Command == MenuItem::Separator ? "" : item.Text);
            items[actions.at(i)->data().toInt()] = actions.at(i);
        }
    }
    // A new document corrects colours automatically; a command's hint ticks anew.
    EXPECT_TRUE(items.at(ID_COLOR_AUTO)->isChecked());
    EXPECT_FALSE(items.at(ID_PRINT_DETAILED_VIEW)->isEnabled());
    ASSERT_TRUE(window.Document->OnCommand(ID_COLOR_DAY));
    EXPECT_TRUE(items.at(ID_COLOR_DAY)->isChecked());
    EXPECT_FALSE(items.at(ID_COLOR_AUTO)->isChecked());
}

}  // namespace
