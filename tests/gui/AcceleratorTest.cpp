// The accelerator table as keys pressed in the main window: which command
// runs, and whether the focused control still gets the key.

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

enum class Focus { RecordsList, ImagePane, TextField };

// Counts the presses of one key that reach the control it watches.
struct KeyCounter : QObject {
    explicit KeyCounter(Qt::Key key) : Key(key) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        Presses += event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Key;
        return false;
    }
    Qt::Key Key;
    int Presses = 0;
};

TEST(AcceleratorTest, RunsTheCommandOfTheKeyWhereItApplies)
{
    shelltest::ReviewWindow window;
    CMainFrame& frame = *window.Frame;
    CVantrelView& view = *frame.View();
    auto* field = new QLineEdit(view.RecordsPane());
    frame.resize(1000, 700);
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    // Every command of the table records that it ran, under its own rule.
    std::vector<int> ran;
    for (const Accelerator& row : Accelerators())
        if (row.Command <= ID_FILE_OPEN)  // not the platform's edit and pane keys
            window.Document->Commands().Attach(row.Command, [&ran, id = row.Command] { ran.push_back(id); });
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Focus focus;
        int command;  // 0: none runs, and the control gets the key
    } cases[] = {
        {Qt::Key_Escape, Qt::NoModifier, Focus::ImagePane, ID_LEAVE_FULL_SCREEN},
        {Qt::Key_F5, Qt::ShiftModifier, Focus::ImagePane, 0},  // Pause is disabled: nothing plays
        {Qt::Key_5, Qt::NoModifier, Focus::RecordsList, ID_MARK_0 + 5},
        {Qt::Key_5, Qt::NoModifier, Focus::ImagePane, 0},
        {Qt::Key_5, Qt::ControlModifier, Focus::RecordsList, 0},
        {Qt::Key_Escape, Qt::NoModifier, Focus::TextField, 0},
        {Qt::Key_F2, Qt::NoModifier, Focus::TextField, ID_REFRESH},
        {Qt::Key_D, Qt::ControlModifier, Focus::TextField, ID_COLOR_DAY},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << ", focus " << int(c.focus));
        QWidget* focus = c.focus == Focus::RecordsList ? view.RecordsPane()->RecordsList()
                         : c.focus == Focus::ImagePane ? static_cast<QWidget*>(view.ImagePane())
                                                       : field;
        focus->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == focus; }, 1000));
        KeyCounter counter(c.key);
        focus->installEventFilter(&counter);
        ran.clear();
        QTest::keyClick(focus, c.key, c.modifiers);
        focus->removeEventFilter(&counter);
        EXPECT_EQ(ran, c.command ? std::vector<int>{c.command} : std::vector<int>{});
        EXPECT_EQ(counter.Presses, c.command ? 0 : 1);
    }
}

}  // namespace
