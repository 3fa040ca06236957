// The image button on a shown window: its layout, its looks, its mouse rules
// and where its commands go.

#include "platform/CImageList.h"
#include "platform/CBButton.h"

#include <QMenu>
#include <QPainter>
// Mouse events take the window system's road (enter, leave, the press grab), as a real pointer's do.
#define QTEST_QPA_MOUSE_HANDLING
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>
#include <vector>

namespace {

constexpr int kId = 126;
const QColor kFace(200, 200, 200), kLight(250, 250, 250), kDark(90, 90, 90), kText(10, 10, 10), kGray(150, 150, 150);
constexpr quint32 kDrop = CBButton::StyleDropDown, kBelow = CBButton::StyleCaptionBelow;
constexpr quint32 kBottom = CBButton::StyleDropDownBottom;

using Sent = std::vector<int>;  // command ids

// The window the buttons sit in. It records the commands they send, the state
// bits of the sender as each arrives, and the menus they are about to open.
class CommandRecorder : public QWidget {
public:
    void Watch(CBButton& button)
    {
        connect(&button, &CBButton::Command, this, [this, &button](int id) {
            commands.push_back(id);
            states.push_back(button.State());
        });
        connect(&button, &CBButton::MenuAboutToShow, this, [this](QMenu*) { ++preparedMenus; });
    }
    Sent commands;
    std::vector<quint32> states;
    int preparedMenus = 0;
};

// The menu run is scripted: it answers nextChoice at once and remembers what it showed, where, and the look meanwhile.
class Button : public CBButton {
public:
    using CBButton::CBButton;
    int nextChoice = 0, draws = 0;
    QMenu* shown = nullptr;
    QPoint shownAt;
    quint32 stateDuringMenu = 0;

protected:
    int RunMenu(QMenu& popup, const QPoint& at) override
    {
        std::tie(shown, shownAt, stateDuringMenu) = std::tuple(&popup, at, State());
        return nextChoice;
    }
    void Draw(QPainter& painter) override { ++draws; CBButton::Draw(painter); }
};

class ButtonTest : public testing::Test {
protected:
    void SetUp() override
    {
        QPalette palette;
        for (const auto& [role, color] : {std::pair{QPalette::Button, kFace}, {QPalette::Light, kLight},
                                          {QPalette::Dark, kDark}, {QPalette::ButtonText, kText}})
            palette.setColor(role, color);
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, kGray);
        window.setPalette(palette);
        window.resize(300, 200);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::mouseMove(&window, QPoint(250, 150));
    }

    std::unique_ptr<Button> Make(quint32 style, QSize size = {80, 22}, QMenu* menu = nullptr)
    {
        auto button = std::make_unique<Button>(QString(), style, QRect(QPoint(20, 20), size), &window, kId);
        button->AttachMenu(menu);
        window.Watch(*button);
        return button;
    }

    const Sent& Commands()
    {
        QCoreApplication::processEvents();
        return window.commands;
    }

    static void Click(QWidget* w, QPoint at)
    {
        QTest::mousePress(w, Qt::LeftButton, {}, at);
        QTest::mouseRelease(w, Qt::LeftButton, {}, at);
    }

    CommandRecorder window;
    QMenu menuBar;
};

bool Near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) <= 3;
}

// Rectangles are (x, y, width, height). The button is made at another size, caption and icons come later.
TEST_F(ButtonTest, LayoutFollowsTheStyleBits)
{
    const CImageList icons(QPixmap(16, 16), 16);
    const struct { quint32 style; QSize size; bool caption, icons; QRect drop, button, image, text; } cases[] = {
        {0, {80, 22}, false, true, {}, {0, 0, 80, 22}, {0, 0, 80, 22}, {}},
        {0, {80, 22}, true, false, {}, {0, 0, 80, 22}, {}, {0, 0, 80, 22}},
        {kBottom, {80, 22}, true, true, {}, {0, 0, 80, 22}, {0, 0, 24, 22}, {24, 0, 56, 22}},
        {kBelow, {60, 50}, true, true, {}, {0, 0, 60, 50}, {0, 0, 60, 24}, {0, 24, 60, 26}},
        {kDrop, {85, 22}, true, true, {75, 0, 10, 22}, {0, 0, 75, 22}, {0, 0, 24, 22}, {24, 0, 51, 22}},
        {kDrop | kBottom, {24, 34}, false, true, {0, 24, 24, 10}, {0, 0, 24, 24}, {0, 0, 24, 24}, {}},
        {kDrop | kBelow | kBottom, {60, 50}, true, true, {0, 40, 60, 10}, {0, 0, 60, 40}, {0, 0, 60, 24},
         {0, 24, 60, 16}},
    };
    for (const auto& c : cases) {
        const auto button = Make(c.style, {5, 5});
        button->resize(c.size);
        button->SetWindowText(c.caption ? "Open..." : "");
        button->SetImageList(c.icons ? &icons : nullptr, 0);
        const std::vector rects{button->DropDownRect(), button->ButtonRect(), button->ImageRect(),
                                button->CaptionRect()};
        EXPECT_EQ(rects, (std::vector{c.drop, c.button, c.image, c.text})) << c.style << " caption " << c.caption;
    }
}

// 80 x 24 with an icon and a caption, the arrow strip at x 70..79. Under the mouse a checked button stays sunken;
// a disabled one stays flat, grey, its icon blended with the light colour, and opens no menu and sends nothing.
TEST_F(ButtonTest, CheckedAndDisabledLooks)
{
    menuBar.addMenu("Open")->addAction("x")->setData(1);
    QPixmap blue(16, 16);
    blue.fill(Qt::blue);
    const CImageList icons(blue, 16);
    const struct { bool checked, enabled; quint32 style; std::vector<std::pair<QPoint, QColor>> probes; } cases[] = {
        {false, true, 0, {{{0, 0}, kLight}, {{79, 23}, kDark}, {{1, 1}, kFace}, {{4, 4}, Qt::blue}}},
        {true, true, 0, {{{0, 0}, kDark}, {{79, 23}, kLight}, {{1, 1}, kText}, {{78, 22}, kFace}}},
        {true, true, kDrop, {{{70, 0}, kDark}, {{71, 1}, kText}, {{1, 1}, kText}, {{72, 10}, kText}}},
        {false, false, kDrop, {{{0, 0}, kFace}, {{70, 0}, kFace}, {{79, 23}, kFace}, {{72, 10}, kGray},
                               {{4, 4}, QColor(125, 125, 252)}}},
    };
    for (const auto& c : cases) {
        const auto button = Make(c.style, {80, 24}, &menuBar);
        button->nextChoice = 1;
        button->SetImageList(&icons, 0);
        button->SetWindowText("Confirm");
        button->SetChecked(c.checked);
        button->setEnabled(c.enabled);
        QTest::mouseMove(button.get(), QPoint(2, 2));
        const QImage image = button->grab().toImage();
        for (const auto& [at, color] : c.probes)
            EXPECT_TRUE(Near(image.pixelColor(at), color)) << c.checked << c.enabled << " " << at.x() << "," << at.y();
        for (const int x : {75, 10})  // the strip, then the rest
            if (!c.enabled)
                Click(button.get(), QPoint(x, 10));
        EXPECT_EQ(button->shown, nullptr);
        QTest::mouseMove(&window, QPoint(250, 150));
    }
    EXPECT_TRUE(Commands().empty());
}

TEST_F(ButtonTest, CheckingRepaintsAButtonTheMouseIsNowhereNear)
{
    const auto button = Make(0, {40, 24});
    for (const auto& [checked, inner] : {std::pair{true, kText}, {false, kFace}}) {
        QCoreApplication::processEvents();
        const int before = button->draws;
        button->SetChecked(checked);
        EXPECT_TRUE(QTest::qWaitFor([&] { return button->draws > before; }));
        EXPECT_TRUE(Near(button->grab().toImage().pixelColor(1, 1), inner));
    }
}

TEST_F(ButtonTest, ClickIsSentOnReleaseAndOnlyOverTheButton)
{
    const auto button = Make(0);
    QTest::mousePress(button.get(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(Commands().empty());
    QTest::mouseMove(button.get(), QPoint(-10, 5));
    EXPECT_EQ(button->State() & CBButton::StatePressed, 0u) << "leaving clears the pressed look";
    QTest::mouseMove(button.get(), QPoint(10, 10));
    EXPECT_NE(button->State() & CBButton::StatePressed, 0u) << "coming back restores it";
    QTest::mouseRelease(button.get(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(Commands(), (Sent{kId}));
    EXPECT_EQ(window.states[0] & CBButton::StatePressed, 0u) << "posted: it arrives after the pressed look is gone";
    EXPECT_EQ(button->State(), CBButton::StateHover);

    QTest::mousePress(button.get(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(button.get(), Qt::LeftButton, {}, QPoint(-10, 5));
    QTest::mouseMove(button.get(), QPoint(10, 10));
    EXPECT_EQ(Commands().size(), 1u) << "a release away sends nothing";
    EXPECT_EQ(button->State(), CBButton::StateHover) << "and ends the press";
}

TEST_F(ButtonTest, StripOpensItsMenuAndAWholeButtonMenuReplacesTheClick)
{
    QMenu* filter = menuBar.addMenu("Filter");
    filter->addAction("For the day")->setData(32877);
    const auto strip = Make(kDrop, {80, 22}, &menuBar);
    strip->nextChoice = 32877;
    Click(strip.get(), QPoint(75, 10));
    EXPECT_EQ(strip->shown, filter) << "the first submenu";
    EXPECT_EQ(strip->shownAt, strip->mapToGlobal(QPoint(0, 22))) << "at the bottom-left corner";
    EXPECT_EQ(strip->stateDuringMenu, CBButton::StateDropDownPressed | CBButton::StateHover) << "the strip pressed";
    Click(strip.get(), QPoint(10, 10));
    EXPECT_EQ(Commands(), (Sent{32877, kId}));
    EXPECT_EQ(window.preparedMenus, 1) << "its items are brought up to date as it opens";

    QMenu popup;
    popup.addAction("recent")->setData(57616);
    for (const int choice : {57616, 0}) {
        window.commands.clear();
        const auto whole = Make(0, {80, 22}, &popup);
        whole->nextChoice = choice;
        QTest::mousePress(whole.get(), Qt::LeftButton, {}, QPoint(10, 10));
        EXPECT_EQ(whole->shown, &popup) << "opened on the press, the menu itself when it has no submenus";
        EXPECT_EQ(whole->stateDuringMenu & CBButton::StatePressed, CBButton::StatePressed);
        QTest::mouseRelease(whole.get(), Qt::LeftButton, {}, QPoint(10, 10));
        EXPECT_EQ(Commands(), (choice ? Sent{choice} : Sent{}));
    }
}

}  // namespace
