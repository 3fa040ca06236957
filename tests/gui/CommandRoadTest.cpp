// Every command a user can reach, from a menu item, a key or a pane button,
// takes one road to the document and obeys one rule there; the buttons show
// what the command table says after every hint.

#include "RecordTreeWriter.h"
#include "ReviewRecordWriter.h"
#include "ReviewWindow.h"

#include "document/Accelerator.h"
#include "document/CommandIds.h"
#include "platform/CBButton.h"
#include "platform/CCommandBinder.h"
#include "platform/MatchesKeyStroke.h"
#include "ui/CRecordDirectoryPane.h"
#include "ui/CVantrelView.h"
#include "views/CCfaImagePane.h"

#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

namespace {

// The commands that the panes' buttons send.
const int PaneButtonCommands[] = {
    ID_GENERAL_FULL_SCREEN, ID_RECORD_INFORMATION, ID_PLAY_RESTART, ID_PLAY_CONTINUE, ID_PLAY_PAUSE,
    ID_PLAY_BACKWARD,       ID_PLAY_FORWARD,       ID_FILE_OPEN,    ID_RECORD_CONFIRM, ID_RECORD_REJECT,
    ID_RECDIR_FILTER_BUTTON, ID_DETAILED_FULL_SCREEN, ID_COLOR_CYCLE, ID_LANE_LEFT, ID_LANE_MIDDLE, ID_LANE_RIGHT,
};

class CommandRoad : public testing::Test {
protected:
    void SetUp() override
    {
        window.Frame->resize(1000, 700);
        window.Frame->show();
        window.Frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.Frame.get()));
        for (QAction* menu : window.Frame->menuBar()->actions())
            for (QAction* item : menu->menu()->actions())
                if (item->data().toInt() != 0)
                    items.emplace(item->data().toInt(), item);
        QWidget* pane = window.Frame->View()->ImagePane();
        int x = 0;
        for (const int id : PaneButtonCommands) {
            auto& button = buttons[id];
            button = std::make_unique<CBButton>(QString(), 0, QRect(x, 0, 24, 24), pane, id);
            window.Frame->Binder().BindButton(*button);
            x += 24;
        }
    }
    bool ReachedOnce(int id)
    {
        QCoreApplication::processEvents();  // a button's command comes after its click
        const bool once = ran == std::vector<int>{id};
        ran.clear();
        return once;
    }
    // Each menu item, key and button once, with every command recording that
    // it ran under its own rule. That each of their ids has a rule at all is
    // the command table walk's check.
    void WalkEverySource()
    {
        for (const int id : window.Document->Commands().Ids())
            window.Document->Commands().Attach(id, [this, id] { ran.push_back(id); });
        window.Frame->Binder().Refresh();
        std::set<bool> seen;
        const auto expected = [&](int id) { return *seen.insert(window.Document->QueryCommand(id).Enabled).first; };
        for (const auto& [id, item] : items) {
            const bool enabled = expected(id);
            EXPECT_EQ(item->isEnabled(), enabled) << "menu item " << id;
            EXPECT_EQ(item->isChecked(), window.Document->QueryCommand(id).Checked) << "menu item " << id;
            item->trigger();
            EXPECT_EQ(ReachedOnce(id), enabled) << "menu item " << id;
        }
        QWidget* list = window.Frame->View()->RecordsPane()->RecordsList();
        for (const Accelerator& row : Accelerators()) {
            const bool enabled = expected(row.Command);
            list->setFocus();
            if (row.Keys.Character)
                QTest::keyClick(list, char(row.Keys.Key));
            else
                QTest::keyClick(list, KeyCombinationOf(row.Keys).key(), KeyCombinationOf(row.Keys).keyboardModifiers());
            EXPECT_EQ(ReachedOnce(row.Command), enabled) << "key of " << row.Command;
        }
        for (const auto& [id, button] : buttons) {
            const bool enabled = expected(id);
            EXPECT_EQ(button->isEnabled(), enabled) << "button " << id;
            QTest::mouseClick(button.get(), Qt::LeftButton, {}, QPoint(12, 12));
            EXPECT_EQ(ReachedOnce(id), enabled) << "button " << id;
        }
        EXPECT_EQ(seen, (std::set<bool>{false, true})) << "both enabled and disabled commands were walked";
    }
    shelltest::ReviewWindow window;
    std::multimap<int, QAction*> items;
    std::map<int, std::unique_ptr<CBButton>> buttons;
    std::vector<int> ran;
};

TEST_F(CommandRoad, OnAnEmptyRootEverySourceRunsACommandExactlyWhenItsRuleEnablesIt)
{
    window.Document->OnCommand(ID_REFRESH);
    WalkEverySource();
}

TEST_F(CommandRoad, WhileARecordPlaysEverySourceRunsACommandExactlyWhenItsRuleEnablesIt)
{
    testsupport::WriteReviewRecord(window.Root.Path(), {testsupport::RecordName(2006, 3, 1, 12, 0, 0), 3, {2, 1, 0}, {}, {}});
    window.Document->OnCommand(ID_REFRESH);
    window.Document->OnCommand(ID_PLAY_RESTART);
    WalkEverySource();
}

TEST_F(CommandRoad, PaneButtonsShowTheTablesStateAfterEveryHint)
{
    testsupport::WriteReviewRecord(window.Root.Path(), {testsupport::RecordName(2006, 3, 1, 12, 0, 0), 0, {2, 1, 0}, {}, {}});
    window.Document->OnCommand(ID_REFRESH);
    // Clicked as the user clicks them; each row names the button clicked.
    const int clicks[] = {ID_RECORD_CONFIRM, ID_RECORD_CONFIRM, ID_RECORD_REJECT, ID_LANE_MIDDLE,
                          ID_COLOR_CYCLE,    ID_DETAILED_FULL_SCREEN, ID_DETAILED_FULL_SCREEN, ID_LANE_LEFT};
    for (const int clicked : clicks) {
        QTest::mouseClick(buttons.at(clicked).get(), Qt::LeftButton, {}, QPoint(12, 12));
        QCoreApplication::processEvents();
        for (const auto& [id, button] : buttons) {
            const CommandState state = window.Document->QueryCommand(id);
            EXPECT_EQ(button->IsChecked(), state.ShowsPressed()) << id << " after " << clicked;
            // Full screen on or off shows in the icon, never as a pressed look.
            if (id == ID_DETAILED_FULL_SCREEN || id == ID_GENERAL_FULL_SCREEN) {
                EXPECT_FALSE(button->IsChecked()) << id << " after " << clicked;
            }
            EXPECT_EQ(button->isEnabled(), state.Enabled) << id << " after " << clicked;
            if (state.Image != CommandState::NoImage) {
                EXPECT_EQ(button->ImageIndex(), state.Image) << id << " after " << clicked;
            }
        }
    }
    EXPECT_TRUE(buttons.at(ID_RECORD_REJECT)->IsChecked()) << "the record ends rejected";
    EXPECT_TRUE(buttons.at(ID_LANE_LEFT)->IsChecked());
    EXPECT_EQ(buttons.at(ID_COLOR_CYCLE)->ImageIndex(), 2) << "automatic steps on to without";
}

}  // namespace
