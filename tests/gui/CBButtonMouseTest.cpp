// The image button's mouse rules and where its commands go, driven through
// the window system on a shown window.

#include "ButtonTestSupport.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

using namespace buttontest;

namespace {

constexpr int kId = 126;
const QPoint kInside(10, 10);
const QPoint kOutside(-10, 5);
const QPoint kOnStrip(75, 10); // the arrow strip of an 80 x 22 drop-down button

class ButtonMouseTest : public testing::Test {
protected:
    void SetUp() override
    {
        window.resize(300, 200);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::mouseMove(&window, QPoint(250, 150));
    }

    template <class Button = TestButton>
    Button* MakeButton(quint32 style, QMenu* menu = nullptr, QWidget* parent = nullptr)
    {
        auto* button = new Button(QString(), style, QRect(20, 20, 80, 22), parent ? parent : &window, kId);
        button->recorder = &window;
        if (menu)
            button->AttachMenu(menu);
        window.watched = button;
        return button;
    }

    const std::vector<ReceivedCommand>& Commands()
    {
        QCoreApplication::processEvents();
        return window.commands;
    }

    std::vector<int> CommandIds()
    {
        std::vector<int> ids;
        for (const ReceivedCommand& command : Commands())
            ids.push_back(command.id);
        return ids;
    }

    static void Press(QWidget* w, QPoint at) { QTest::mousePress(w, Qt::LeftButton, {}, at); }
    static void Release(QWidget* w, QPoint at) { QTest::mouseRelease(w, Qt::LeftButton, {}, at); }
    static void Click(QWidget* w, QPoint at)
    {
        Press(w, at);
        Release(w, at);
    }

    CommandRecorder window;
    QMenu menuBar;
};

TEST_F(ButtonMouseTest, ClickIsSentOnReleaseAndArrivesAfterThePressedLookIsGone)
{
    TestButton* button = MakeButton(0);
    Press(button, kInside);
    EXPECT_TRUE(Commands().empty());
    EXPECT_TRUE(button->State() & CBButton::StatePressed);

    Release(button, kInside);
    ASSERT_EQ(Commands().size(), 1u);
    EXPECT_EQ(Commands()[0].id, kId);
    EXPECT_EQ(Commands()[0].control, button);
    EXPECT_FALSE(Commands()[0].buttonState & CBButton::StatePressed) << "the command is posted";
    EXPECT_EQ(button->State(), CBButton::StateHover);
}

TEST_F(ButtonMouseTest, LeavingDuringThePressClearsThePressedLookAndComingBackRestoresIt)
{
    TestButton* button = MakeButton(0);
    Press(button, kInside);
    QTest::mouseMove(button, kOutside);
    EXPECT_FALSE(button->State() & CBButton::StatePressed);
    QTest::mouseMove(button, kOutside + QPoint(-5, 0));
    EXPECT_FALSE(button->State() & CBButton::StatePressed) << "moves outside keep the look off";
    QTest::mouseMove(button, kInside);
    EXPECT_TRUE(button->State() & CBButton::StatePressed);
    Release(button, kInside);
    EXPECT_EQ(CommandIds(), std::vector<int>{kId});
}

TEST_F(ButtonMouseTest, ReleaseAwayFromTheButtonSendsNothingAndEndsThePress)
{
    for (const bool movedOutFirst : {true, false}) {
        SCOPED_TRACE(movedOutFirst);
        TestButton* button = MakeButton(0);
        Press(button, kInside);
        if (movedOutFirst)
            QTest::mouseMove(button, kOutside);
        Release(button, kOutside);
        EXPECT_TRUE(Commands().empty());

        QTest::mouseMove(button, kInside);
        EXPECT_EQ(button->State(), CBButton::StateHover) << "hovering afterwards is not a press";
        delete button;
    }
}

TEST_F(ButtonMouseTest, HoverBitFollowsTheMouse)
{
    TestButton* button = MakeButton(0);
    QTest::mouseMove(button, kInside);
    EXPECT_EQ(button->State(), CBButton::StateHover);
    QTest::mouseMove(&window, QPoint(250, 150));
    EXPECT_EQ(button->State(), 0u);
}

TEST_F(ButtonMouseTest, ArrowStripOnlyOpensItsMenuAndTheRestSendsTheButtonsCommand)
{
    QMenu* filter = menuBar.addMenu("Filter");
    filter->addAction("For the day")->setData(32877);
    TestButton* button = MakeButton(CBButton::StyleDropDown, &menuBar);
    button->nextChoice = 32877;

    Click(button, kOnStrip);
    EXPECT_EQ(button->shownMenus, std::vector<QMenu*>{filter}) << "the first submenu is shown";
    EXPECT_EQ(button->shownAt, button->mapToGlobal(QPoint(0, 22))) << "at the bottom-left corner";
    EXPECT_TRUE(button->stateDuringMenu & CBButton::StateDropDownPressed);
    EXPECT_FALSE(button->State() & CBButton::StateDropDownPressed);
    ASSERT_EQ(Commands().size(), 1u);
    EXPECT_EQ(Commands()[0].id, 32877);
    EXPECT_EQ(Commands()[0].control, button);
    EXPECT_TRUE(window.preparedMenus.empty()) << "the button owns its menu";

    Click(button, kInside);
    EXPECT_EQ(button->shownMenus.size(), 1u);
    EXPECT_EQ(CommandIds(), (std::vector<int>{32877, kId}));
}

TEST_F(ButtonMouseTest, ArrowStripWithoutMenuOnlyShowsThePressedStrip)
{
    TestButton* button = MakeButton(CBButton::StyleDropDown);
    Press(button, kOnStrip);
    EXPECT_TRUE(button->State() & CBButton::StateDropDownPressed);
    Release(button, kOnStrip);
    EXPECT_FALSE(button->State() & CBButton::StateDropDownPressed);
    EXPECT_TRUE(Commands().empty());
}

TEST_F(ButtonMouseTest, WholeButtonMenuOpensOnPressAndItsChoiceReplacesTheClick)
{
    const struct {
        int choice;
        std::vector<int> sent;
    } cases[] = {{57616, {57616}}, {0, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        window.commands.clear();
        QMenu popup;
        popup.addAction("recent")->setData(57616);
        TestButton* button = MakeButton(0, &popup);
        button->nextChoice = c.choice;

        Press(button, kInside);
        EXPECT_EQ(button->shownMenus, std::vector<QMenu*>{&popup}) << "a menu without submenus is shown itself";
        EXPECT_TRUE(button->stateDuringMenu & CBButton::StatePressed);
        EXPECT_FALSE(button->State() & CBButton::StatePressed);
        Release(button, kInside);
        EXPECT_EQ(CommandIds(), c.sent);
        delete button;
    }
}

TEST_F(ButtonMouseTest, DisabledButtonGetsNoInputAndSendsNothing)
{
    QMenu* popup = menuBar.addMenu("Open");
    popup->addAction("x")->setData(1);
    const struct {
        quint32 style;
        QPoint at;
    } cases[] = {{0, kInside}, {CBButton::StyleDropDown, kOnStrip}, {CBButton::StyleDropDown, kInside}};
    for (const auto& c : cases) {
        TestButton* button = MakeButton(c.style, &menuBar);
        button->nextChoice = 1;
        button->setEnabled(false);
        QTest::mouseMove(button, c.at);
        Click(button, c.at);
        EXPECT_TRUE(button->shownMenus.empty());
        EXPECT_EQ(button->State(), 0u);
        delete button;
    }
    EXPECT_TRUE(Commands().empty());
}

TEST_F(ButtonMouseTest, FrameButtonDeliversAtOnceToTheTopLevelWindowOrAnInjectedTarget)
{
    auto* pane = new QWidget(&window);
    pane->setGeometry(0, 0, 300, 200);
    pane->show();
    TestFrameButton* button = MakeButton<TestFrameButton>(0, nullptr, pane);
    Click(button, kInside);
    ASSERT_EQ(Commands().size(), 1u);
    EXPECT_EQ(Commands()[0].id, kId);
    EXPECT_EQ(Commands()[0].control, nullptr) << "like a menu command";
    EXPECT_TRUE(Commands()[0].buttonState & CBButton::StatePressed) << "delivered before the release ends";

    CommandRecorder frame;
    button->SetCommandTarget(&frame);
    Click(button, kInside);
    EXPECT_EQ(Commands().size(), 1u);
    ASSERT_EQ(frame.commands.size(), 1u);
    EXPECT_EQ(frame.commands[0].id, kId);
}

TEST_F(ButtonMouseTest, FrameButtonMenuIsPreparedByTheFrameBeforeItOpens)
{
    QMenu* correction = menuBar.addMenu("&Color correction");
    correction->addAction("1. &Day")->setData(32813);
    TestFrameButton* button =
        MakeButton<TestFrameButton>(CBButton::StyleDropDown | CBButton::StyleDropDownBottom, &menuBar);
    button->resize(24, 34);
    button->nextChoice = 32813;
    Click(button, QPoint(12, 30));
    EXPECT_EQ(window.preparedMenus, std::vector<QMenu*>{correction});
    EXPECT_EQ(button->preparedBeforeMenu, 1u);
    ASSERT_EQ(Commands().size(), 1u);
    EXPECT_EQ(Commands()[0].id, 32813);
    EXPECT_EQ(Commands()[0].control, nullptr);
}

TEST_F(ButtonMouseTest, RealMenuRunAnswersTheCommandOfTheChosenItem)
{
    QMenu* open = menuBar.addMenu("&File");
    open->addAction("&Open...")->setData(57601);
    QAction* recent = open->addAction("1 records");
    recent->setData(57616);
    auto* button = new CBButton(QString(), 0, QRect(20, 20, 80, 22), &window, kId);
    button->AttachMenu(&menuBar);

    QMenu* shown = nullptr;
    QPoint shownAt;
    QTimer::singleShot(0, [&] {
        shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!shown)
            return;
        shownAt = shown->pos();
        shown->setActiveAction(recent);
        QTest::keyClick(shown, Qt::Key_Return);
    });
    QTimer guard; // never leave the menu's loop running if the choice went wrong
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    });
    guard.start(5000);

    Click(button, kInside);
    EXPECT_EQ(shown, open);
    EXPECT_EQ(shownAt, button->mapToGlobal(QPoint(0, 22)));
    EXPECT_EQ(CommandIds(), std::vector<int>{57616});
}

} // namespace
