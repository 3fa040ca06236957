// The main menu is built from the menus' definitions; that its items follow
// the update rules is the command road walk's check.

#include "ReviewWindow.h"

#include "document/ReviewMenus.h"

#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

TEST(MainMenuTest, ItemsAreTheMenusDefinitions)
{
    QSettings("Orvane Solutions", "Vantrel").clear();  // no recent files from other tests
    shelltest::ReviewWindow window;
    const QList<QAction*> entries = window.Frame->menuBar()->actions();
    ASSERT_EQ(entries.size(), static_cast<qsizetype>(MainMenu().size()));
    for (std::size_t m = 0; m < MainMenu().size(); ++m) {
        EXPECT_EQ(entries.at(m)->text().toStdString(), MainMenu()[m].Title);
        const QList<QAction*> actions = entries.at(m)->menu()->actions();
        ASSERT_EQ(actions.size(), static_cast<qsizetype>(MainMenu()[m].Items.size()));
        for (std::size_t i = 0; i < MainMenu()[m].Items.size(); ++i) {
            const MenuItem& item = MainMenu()[m].Items[i];
            EXPECT_EQ(actions.at(i)->isSeparator(), item.Command == MenuItem::Separator);
            EXPECT_EQ(actions.at(i)->text().toStdString(), item.Command == MenuItem::Separator ? "" : item.Text);
        }
    }
}

}  // namespace
