// The accelerator table as keys pressed in the main window.

#include "ReviewWindow.h"

#include "document/Accelerator.h"
#include "document/CommandIds.h"
#include "ui/CRecordDirectoryPane.h"
#include "ui/CVantrelView.h"
#include "views/CCfaImagePane.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

using shelltest::ReviewWindow;

enum class Focus { RecordsList, ImagePane, TextField };

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    Focus focus;
    int expected;  // 0: no command runs
};

class AcceleratorTest : public testing::TestWithParam<KeyCase> {
protected:
    void SetUp() override
    {
        CMainFrame& frame = *m_window.Frame;
        m_field = new QLineEdit(frame.View()->RecordsPane());
        frame.resize(1000, 700);
        frame.show();
        frame.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
        // Every command of the table records that it ran, under its own rule.
        for (const Accelerator& row : Accelerators())
            if (row.Command <= ID_FILE_OPEN)  // not the platform's edit and pane keys
                m_window.Document->Commands().Attach(row.Command, [this, id = row.Command] { m_ran.push_back(id); });
    }

    QWidget* FocusWidget(Focus focus)
    {
        CVantrelView& view = *m_window.Frame->View();
        switch (focus) {
        case Focus::RecordsList:
            return view.RecordsPane()->RecordsList();
        case Focus::ImagePane:
            return view.ImagePane();
        case Focus::TextField:
            break;
        }
        return m_field;
    }

    ReviewWindow m_window;
    QLineEdit* m_field = nullptr;
    std::vector<int> m_ran;
};

TEST_P(AcceleratorTest, RunsTheCommandOfTheKeyWhereItApplies)
{
    const KeyCase& row = GetParam();
    QWidget* focus = FocusWidget(row.focus);
    focus->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == focus; }, 1000));
    QTest::keyClick(focus, row.key, row.modifiers);
    const std::vector<int> expected = row.expected ? std::vector<int>{row.expected} : std::vector<int>{};
    EXPECT_EQ(m_ran, expected);
}

const KeyCase kKeyCases[] = {
    {"F2Refreshes", Qt::Key_F2, Qt::NoModifier, Focus::ImagePane, ID_REFRESH},
    {"F10", Qt::Key_F10, Qt::NoModifier, Focus::RecordsList, ID_DETAILED_FULL_SCREEN},
    {"F9", Qt::Key_F9, Qt::NoModifier, Focus::ImagePane, ID_GENERAL_FULL_SCREEN},
    {"Escape", Qt::Key_Escape, Qt::NoModifier, Focus::ImagePane, ID_LEAVE_FULL_SCREEN},
    {"CtrlOne", Qt::Key_1, Qt::ControlModifier, Focus::RecordsList, ID_ZOOM_100},
    {"AltI", Qt::Key_I, Qt::AltModifier, Focus::RecordsList, ID_PRIVATE_NOTES_MODE},
    {"ShiftF5", Qt::Key_F5, Qt::ShiftModifier, Focus::ImagePane, 0},  // Pause: nothing plays
    {"CtrlF4", Qt::Key_F4, Qt::ControlModifier, Focus::ImagePane, 0},  // only the menu text says so
    {"DigitInTheList", Qt::Key_5, Qt::NoModifier, Focus::RecordsList, ID_MARK_0 + 5},
    {"MinusInTheList", Qt::Key_Minus, Qt::NoModifier, Focus::RecordsList, ID_MARK_DELETE},
    {"DigitElsewhere", Qt::Key_5, Qt::NoModifier, Focus::ImagePane, 0},
    {"CtrlDigitIsNoMark", Qt::Key_5, Qt::ControlModifier, Focus::RecordsList, 0},
    {"DigitInATextField", Qt::Key_5, Qt::NoModifier, Focus::TextField, 0},
    {"EscapeInATextField", Qt::Key_Escape, Qt::NoModifier, Focus::TextField, 0},
    {"F2InATextField", Qt::Key_F2, Qt::NoModifier, Focus::TextField, ID_REFRESH},
    {"CtrlDInATextField", Qt::Key_D, Qt::ControlModifier, Focus::TextField, ID_COLOR_DAY},
};

INSTANTIATE_TEST_SUITE_P(Keys, AcceleratorTest, testing::ValuesIn(kKeyCases),
                         [](const testing::TestParamInfo<KeyCase>& info) { return info.param.name; });

TEST(AcceleratorKeysTest, KeysWorkWhileFullScreenHidesTheMenu)
{
    ReviewWindow window;
    CMainFrame& frame = *window.Frame;
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QWidget* focus = frame.View()->RecordsPane();
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_F10);
    ASSERT_EQ(window.Document->DisplayMode, 1);
    ASSERT_TRUE(frame.IsFullScreen());
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &frame, Qt::Key_Escape);
    EXPECT_EQ(window.Document->DisplayMode, 0);
    EXPECT_FALSE(frame.IsFullScreen());
}

}  // namespace
