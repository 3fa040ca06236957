// What the image button draws: frames, arrow, icon and caption for each state,
// rendered into images without the button ever being on screen, and the
// rectangles its layout gives for each style.

#include "ButtonTestSupport.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace buttontest;

namespace {

const QColor kFace(200, 200, 200);
const QColor kLight(250, 250, 250);
const QColor kDark(90, 90, 90);
const QColor kText(10, 10, 10);
const QColor kGray(150, 150, 150);
const QColor kBlue(0, 0, 255);

QPalette TestPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, kFace);
    palette.setColor(QPalette::Light, kLight);
    palette.setColor(QPalette::Dark, kDark);
    palette.setColor(QPalette::ButtonText, kText);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, kGray);
    return palette;
}

// Pressing and hovering come from the mouse; the button has no other way in.
void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

enum class Look { Idle, Hover, Pressed, StripPressed, Checked, CheckedHover, Disabled };

void Apply(TestButton& button, Look setup)
{
    const QPoint inButton(2, 2);
    const QPoint onStrip(button.DropDownRect().center());
    switch (setup) {
    case Look::Idle:
        break;
    case Look::Hover:
        SendMouse(button, QEvent::MouseMove, inButton, Qt::NoButton);
        break;
    case Look::Pressed:
        SendMouse(button, QEvent::MouseButtonPress, inButton, Qt::LeftButton);
        break;
    case Look::StripPressed:
        SendMouse(button, QEvent::MouseButtonPress, onStrip, Qt::LeftButton);
        break;
    case Look::CheckedHover:
        SendMouse(button, QEvent::MouseMove, inButton, Qt::NoButton);
        [[fallthrough]];
    case Look::Checked:
        button.SetChecked(true);
        break;
    case Look::Disabled:
        button.setEnabled(false);
        break;
    }
}

QImage Render(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget.render(&image);
    return image;
}

bool Near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) <= 1 && std::abs(a.green() - b.green()) <= 1 &&
           std::abs(a.blue() - b.blue()) <= 1;
}

struct Probe {
    QPoint at;
    QColor color;
};

void ExpectPixels(const QImage& image, const std::vector<Probe>& probes)
{
    for (const Probe& probe : probes) {
        const QColor actual = image.pixelColor(probe.at);
        EXPECT_TRUE(Near(actual, probe.color))
            << "at (" << probe.at.x() << ", " << probe.at.y() << "): " << actual.name().toStdString()
            << " instead of " << probe.color.name().toStdString();
    }
}

std::unique_ptr<TestButton> MakeButton(quint32 style, QSize size, const QString& caption = QString())
{
    auto button = std::make_unique<TestButton>(caption, style, QRect(QPoint(), size), nullptr, 1);
    button->setPalette(TestPalette());
    return button;
}

// Frames of a 40 x 24 button; with an arrow strip it is x 30..39.
TEST(ButtonLook, FramesFollowTheStateBits)
{
    const std::vector<Probe> flat = {{{0, 0}, kFace}, {{39, 23}, kFace}, {{1, 1}, kFace}};
    const std::vector<Probe> raised = {{{0, 0}, kLight}, {{38, 0}, kLight}, {{39, 0}, kDark},
                                       {{0, 22}, kLight}, {{0, 23}, kDark}, {{39, 23}, kDark}};
    const std::vector<Probe> sunken = {{{0, 0}, kDark}, {{38, 0}, kDark}, {{39, 0}, kLight},
                                       {{0, 23}, kLight}, {{39, 23}, kLight}, {{1, 1}, kFace}};
    const std::vector<Probe> doubleSunken = {{{0, 0}, kDark},  {{39, 23}, kLight}, {{1, 1}, kText},
                                             {{37, 1}, kText}, {{38, 1}, kFace},   {{1, 21}, kText},
                                             {{1, 22}, kFace}, {{38, 22}, kFace}};
    const std::vector<Probe> stripFlat = {{{30, 0}, kFace}, {{39, 23}, kFace}};
    const std::vector<Probe> stripRaised = {{{30, 0}, kLight}, {{39, 23}, kDark}};
    const std::vector<Probe> stripSunken = {{{30, 0}, kDark}, {{39, 23}, kLight}, {{31, 1}, kFace}};
    const std::vector<Probe> stripDoubleSunken = {{{30, 0}, kDark}, {{31, 1}, kText}, {{38, 22}, kFace}};
    const std::vector<Probe> partFlat = {{{0, 0}, kFace}, {{29, 23}, kFace}};
    const std::vector<Probe> partSunken = {{{0, 0}, kDark}, {{29, 23}, kLight}};
    const std::vector<Probe> partRaised = {{{0, 0}, kLight}, {{29, 23}, kDark}};

    const struct {
        const char* name;
        quint32 style;
        Look setup;
        std::vector<std::vector<Probe>> probes;
    } cases[] = {
        {"idle", 0, Look::Idle, {flat}},
        {"hover", 0, Look::Hover, {raised}},
        {"pressed", 0, Look::Pressed, {sunken}},
        {"checked", 0, Look::Checked, {doubleSunken}},
        {"checked keeps its frame under the mouse", 0, Look::CheckedHover, {doubleSunken}},
        {"disabled", 0, Look::Disabled, {flat}},
        {"strip idle", CBButton::StyleDropDown, Look::Idle, {stripFlat, partFlat}},
        {"strip hover raises both parts", CBButton::StyleDropDown, Look::Hover, {stripRaised, partRaised}},
        {"strip pressed", CBButton::StyleDropDown, Look::StripPressed, {stripSunken, partFlat}},
        {"button pressed sinks the strip too", CBButton::StyleDropDown, Look::Pressed,
         {stripSunken, partSunken}},
        {"checked strip", CBButton::StyleDropDown, Look::Checked, {stripDoubleSunken, partSunken}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto button = MakeButton(c.style, {40, 24});
        Apply(*button, c.setup);
        const QImage image = Render(*button);
        for (const auto& probes : c.probes)
            ExpectPixels(image, probes);
    }
}

TEST(ButtonLook, ArrowIsAThreeLineTriangleInTheStrip)
{
    const struct {
        quint32 style;
        QSize size;
        QPoint firstLine; // left end of the widest line
        Look setup;
        QColor color;
    } cases[] = {
        {CBButton::StyleDropDown, {40, 24}, {32, 10}, Look::Idle, kText},
        {CBButton::StyleDropDown | CBButton::StyleDropDownBottom, {24, 34}, {9, 27}, Look::Idle, kText},
        {CBButton::StyleDropDown, {40, 24}, {32, 10}, Look::Disabled, kGray},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        auto button = MakeButton(c.style, c.size);
        Apply(*button, c.setup);
        const QImage image = Render(*button);
        for (int line = 0; line < 4; ++line) {
            const int length = 6 - 2 * line;
            const int y = c.firstLine.y() + line;
            for (int x = c.firstLine.x() - 1; x <= c.firstLine.x() + 6; ++x) {
                const int from = c.firstLine.x() + line;
                const bool on = length > 0 && x >= from && x < from + length;
                ExpectPixels(image, {{{x, y}, on ? c.color : kFace}});
            }
        }
    }
}

TEST(ButtonLook, IconIsCentredAndBlendedWithTheLightColourWhenDisabled)
{
    const CImageList icons = SolidStrip({Qt::red, kBlue});
    const QColor blended((kBlue.red() + kLight.red()) / 2, (kBlue.green() + kLight.green()) / 2,
                         (kBlue.blue() + kLight.blue()) / 2);
    const struct {
        const char* name;
        QSize size;
        QString caption;
        quint32 style;
        QPoint iconAt;
        Look setup;
        QColor color;
    } cases[] = {
        {"alone", {24, 24}, "", 0, {4, 4}, Look::Idle, kBlue},
        {"beside a caption", {80, 22}, "Left lane", 0, {4, 3}, Look::Idle, kBlue},
        {"above a caption", {60, 50}, "Open...", CBButton::StyleCaptionBelow, {22, 4}, Look::Idle, kBlue},
        {"over an arrow strip", {24, 34}, "", CBButton::StyleDropDown | CBButton::StyleDropDownBottom, {4, 4},
         Look::Idle, kBlue},
        {"disabled", {24, 24}, "", 0, {4, 4}, Look::Disabled, blended},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto button = MakeButton(c.style, c.size, c.caption);
        button->SetImageList(&icons, 1);
        Apply(*button, c.setup);
        const QImage image = Render(*button);
        const QPoint last = c.iconAt + QPoint(15, 15);
        ExpectPixels(image, {{c.iconAt, c.color}, {last, c.color}, {c.iconAt - QPoint(1, 1), kFace},
                             {last + QPoint(1, 1), kFace}});
    }
}

int CountPixels(const QImage& image, const QColor& color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == color;
    return count;
}

TEST(ButtonLook, CaptionIsDrawnInTheTextColourOrGreyWhenDisabled)
{
    const struct {
        Look setup;
        QColor shown;
        QColor absent;
    } cases[] = {{Look::Idle, kText, kGray}, {Look::Disabled, kGray, kText}};
    for (const auto& c : cases) {
        auto button = MakeButton(0, {80, 22}, "Confirm");
        QFont font = button->font();
        font.setStyleStrategy(QFont::NoAntialias);
        button->SetFont(font, false);
        Apply(*button, c.setup);
        const QImage image = Render(*button);
        EXPECT_GT(CountPixels(image, c.shown), 0);
        EXPECT_EQ(CountPixels(image, c.absent), 0);
    }
}

// Rectangles are (x, y, width, height); an empty one is QRect().
TEST(ButtonLayout, RectanglesForEveryStyle)
{
    constexpr quint32 kDrop = CBButton::StyleDropDown;
    constexpr quint32 kBelow = CBButton::StyleCaptionBelow;
    constexpr quint32 kBottom = CBButton::StyleDropDownBottom;
    const struct {
        quint32 style;
        QSize size;
        bool caption;
        bool icons;
        QRect dropDown, button, image, captionArea;
    } cases[] = {
        {0, {80, 22}, false, true, {}, {0, 0, 80, 22}, {0, 0, 80, 22}, {}},
        {0, {80, 22}, true, false, {}, {0, 0, 80, 22}, {}, {0, 0, 80, 22}},
        {0, {80, 22}, false, false, {}, {0, 0, 80, 22}, {}, {}},
        {0, {80, 22}, true, true, {}, {0, 0, 80, 22}, {0, 0, 24, 22}, {24, 0, 56, 22}},
        {kBelow, {60, 50}, true, true, {}, {0, 0, 60, 50}, {0, 0, 60, 24}, {0, 24, 60, 26}},
        {kBottom, {80, 22}, true, true, {}, {0, 0, 80, 22}, {0, 0, 24, 22}, {24, 0, 56, 22}},
        {kDrop, {85, 22}, true, true, {75, 0, 10, 22}, {0, 0, 75, 22}, {0, 0, 24, 22}, {24, 0, 51, 22}},
        {kDrop, {85, 22}, false, true, {75, 0, 10, 22}, {0, 0, 75, 22}, {0, 0, 75, 22}, {}},
        {kDrop | kBottom, {24, 34}, false, true, {0, 24, 24, 10}, {0, 0, 24, 24}, {0, 0, 24, 24}, {}},
        {kDrop | kBelow, {60, 50}, true, true, {50, 0, 10, 50}, {0, 0, 50, 50}, {0, 0, 50, 24}, {0, 24, 50, 26}},
        {kDrop | kBelow | kBottom, {60, 50}, true, true, {0, 40, 60, 10}, {0, 0, 60, 40}, {0, 0, 60, 24},
         {0, 24, 60, 16}},
        {kDrop | kBottom, {24, 34}, true, false, {0, 24, 24, 10}, {0, 0, 24, 24}, {}, {0, 0, 24, 24}},
    };
    const CImageList icons = SolidStrip({Qt::red});
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " caption " << c.caption << " icons " << c.icons);
        auto button = MakeButton(c.style, c.size, c.caption ? "Open..." : "");
        if (c.icons)
            button->SetImageList(&icons, 0);
        EXPECT_EQ(button->DropDownRect(), c.dropDown);
        EXPECT_EQ(button->ButtonRect(), c.button);
        EXPECT_EQ(button->ImageRect(), c.image);
        EXPECT_EQ(button->CaptionRect(), c.captionArea);
    }
}

TEST(ButtonLayout, FollowsSizeCaptionAndImageList)
{
    const CImageList icons = SolidStrip({Qt::red});
    auto button = MakeButton(CBButton::StyleDropDown, {0, 0});
    EXPECT_TRUE(button->ButtonRect().isEmpty()) << "created at size zero";

    // A hidden widget hears of a new size when it is next drawn or shown.
    button->resize(95, 22);
    Render(*button);
    EXPECT_EQ(button->ButtonRect(), QRect(0, 0, 85, 22));
    EXPECT_EQ(button->DropDownRect(), QRect(85, 0, 10, 22));

    button->SetImageList(&icons, 2);
    button->SetWindowText("All");
    EXPECT_EQ(button->CaptionRect(), QRect(24, 0, 61, 22));
    button->SetWindowText("");
    EXPECT_TRUE(button->CaptionRect().isEmpty());

    button->resize(5, 5);
    Render(*button);
    EXPECT_TRUE(button->ButtonRect().isEmpty());
    EXPECT_FALSE(button->ButtonRect().contains(QPoint(0, 0)));
}

// Owner changes repaint a button that the mouse is nowhere near.
class ButtonRepaintTest : public testing::Test {
protected:
    void SetUp() override
    {
        window.resize(200, 100);
        button = new TestButton(QString(), 0, QRect(10, 10, 40, 24), &window, 1);
        button->setPalette(TestPalette());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::mouseMove(&window, QPoint(150, 80));
        QCoreApplication::processEvents();
    }

    QWidget window;
    TestButton* button = nullptr;
};

TEST_F(ButtonRepaintTest, CheckingRepaintsWithTheSunkenDoubleFrame)
{
    const int before = button->draws;
    button->SetChecked(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return button->draws > before; }));
    ExpectPixels(button->grab().toImage(), {{{0, 0}, kDark}, {{1, 1}, kText}});

    const int checked = button->draws;
    button->SetChecked(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return button->draws > checked; }));
    ExpectPixels(button->grab().toImage(), {{{0, 0}, kFace}, {{1, 1}, kFace}});
    EXPECT_FALSE(button->IsChecked());
}

TEST_F(ButtonRepaintTest, FontWithRedrawRepaintsAtOnce)
{
    QFont font("Tahoma");
    font.setPointSize(8);
    const int before = button->draws;
    button->SetFont(font, true);
    EXPECT_GT(button->draws, before);
    EXPECT_EQ(button->font(), font);
}

} // namespace
