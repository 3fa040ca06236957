// The general-view playback pane in the main window: playback driven through
// its buttons and the document's ticks, the picture and its bars, the slider,
// the double click and the context menu.

#include "BmpFileWriter.h"
#include "PaneCapture.h"
#include "RecordTreeWriter.h"
#include "ReviewRecordWriter.h"
#include "ReviewWindow.h"

#include "document/CommandIds.h"
#include "platform/CBButton.h"
#include "platform/CSysColors.h"
#include "ui/CSlidePane.h"
#include "ui/CVantrelView.h"

#include <QApplication>
#include <QMenu>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using shelltest::Filled;

constexpr int RestartButton = 2;
constexpr int PlayButton = 3;

const QRgb Red = qRgb(200, 0, 0);

class SlidePaneTest : public testing::Test {
protected:
    void SetUp() override
    {
        window.Frame->resize(1000, 700);
        window.Frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.Frame.get()));
    }
    // One record with this many general-view frames, set up in the window.
    std::string OpenRecord(int generalFrames)
    {
        const std::string directory = testsupport::WriteReviewRecord(
            window.Root.Path(), {testsupport::RecordName(2006, 3, 1, 12, 0, 0), generalFrames, {1, 0, 0}, {}, {}});
        window.Document->OnCommand(ID_REFRESH);
        return directory;
    }
    // A record of a root of its own whose one general-view frame is red, width x
    // height; answers the frame's path. The caller sets the record up.
    std::string RedFrameRecord(int width, int height)
    {
        roots.push_back(std::make_unique<testsupport::TempDir>());
        window.Settings.RootDirectory = roots.back()->Path();
        testsupport::BmpFile file{width, height, {}, "imagetime=2006-03-01 12:00:00.000"};
        for (int i = 0; i < width * height; ++i)
            file.pixels.insert(file.pixels.end(), {0, 0, 200});
        const std::string path = testsupport::WriteReviewRecord(window.Settings.RootDirectory,
            {testsupport::RecordName(2006, 3, 1, 12, 0, 0), 0, {1, 0, 0}, {}, {}}) + "G01.BMP";
        testsupport::WriteBmpFile(path, file);
        return path;
    }
    CSlidePane& Pane() const { return *window.Frame->View()->SlidePane(); }
    void Click(int button)
    {
        QTest::mouseClick(&Pane().Button(button), Qt::LeftButton, {}, QPoint(12, 12));
        QCoreApplication::processEvents();  // the command comes after the click
    }
    QImage Capture() const { return shelltest::Capture(Pane()); }
    QRgb Grey() const { return CSysColors::Get(CSysColors::BtnFace, Pane().palette()).rgb(); }

    std::vector<std::unique_ptr<testsupport::TempDir>> roots;
    shelltest::ReviewWindow window;
};

// Restart, pause, continue and the stop at the last frame, as the user
// clicks them and as the timer ticks (one tick is one AdvancePlayback).
TEST_F(SlidePaneTest, PlaybackFollowsTheButtonsAndTheTicks)
{
    OpenRecord(3);
    enum Step { None, ClickRestart, ClickPlay, Tick, Refresh };
    struct Row {
        Step step;
        int index;
        bool playing;
        bool ticking;
        const char* counter;
    };
    const Row rows[] = {
        {None, 2, false, false, "3/3"},         // a record opens on its last frame (at most the eighth)
        {ClickRestart, 0, true, true, "1/3"},
        {Tick, 1, true, true, "2/3"},
        {ClickPlay, 1, false, false, "2/3"},     // pause
        {ClickPlay, 1, true, true, "2/3"},       // continue from where it stood
        {Tick, 2, true, true, "3/3"},
        {Tick, 2, false, true, "3/3"},           // the last frame stops it; the clock keeps its beat
        {ClickPlay, 0, true, true, "1/3"},       // continue on the last frame starts again
        {Refresh, 2, false, false, "3/3"},       // another set-up stops the clock
    };
    ASSERT_EQ(Pane().Slider().maximum(), 2);
    int line = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << ++line);
        if (row.step == ClickRestart)
            Click(RestartButton);
        else if (row.step == ClickPlay)
            Click(PlayButton);
        else if (row.step == Tick)
            window.Document->AdvancePlayback();
        else if (row.step == Refresh)
            window.Document->OnCommand(ID_REFRESH);
        // The buttons' enabling and icons follow the command table, which the
        // command road tests walk; here the pane's own parts.
        EXPECT_EQ(window.Document->CurrentGeneralFrame(), row.index);
        EXPECT_EQ(window.Document->Playing(), row.playing);
        EXPECT_EQ(Pane().Ticking(), row.ticking);
        EXPECT_EQ(Pane().CounterText(), row.counter);
        EXPECT_EQ(Pane().Button(PlayButton).ControlId(), row.playing ? ID_PLAY_PAUSE : ID_PLAY_CONTINUE);
        EXPECT_EQ(Pane().Slider().isEnabled(), !row.playing);
        EXPECT_EQ(Pane().Slider().value(), row.index);
    }
}

TEST_F(SlidePaneTest, ARecordWithoutFramesShowsZeroOfZeroAndAGreyPicture)
{
    OpenRecord(0);
    EXPECT_EQ(Pane().CounterText(), "0/0");
    EXPECT_EQ(Pane().Slider().maximum(), 0);
    EXPECT_FALSE(Pane().Slider().isEnabled());
    const QImage shot = Capture();
    EXPECT_TRUE(Filled(shot, QRect(25, 25, 424, 315), Grey()));
    EXPECT_TRUE(Filled(shot, QRect(25, 1, 424, 22), Grey())) << "no site without a frame";
}

// The frame's time stands in the bar under the two top buttons, reading
// upwards from 4 pixels above the bar's bottom.
TEST_F(SlidePaneTest, TheTimeReadsFromBottomToTopInTheTimeBar)
{
    OpenRecord(1);
    const QImage shot = Capture();
    const QRect inside(1, 49, 22, 291);  // the bar (0, 48) to (24, 341) within its frame
    QRect text;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (shot.pixel(x, y) != Grey())
                text |= QRect(x, y, 1, 1);
    EXPECT_GT(text.height(), 100) << "a long line standing upright";
    EXPECT_LT(text.width(), 16);
    EXPECT_GE(text.bottom(), 341 - 4 - 8) << "it starts at the bottom";
    EXPECT_LE(text.bottom(), 341 - 4);
}

// The picture is scaled into the area (24, 24) to (450, 341) of the normal
// pane, centred, with grey strips where it does not reach. A file that is not
// a bitmap, or is cut short, leaves the area grey. The bars show the frame's
// site, time and counter either way.
TEST_F(SlidePaneTest, APictureIsScaledCentredAndFramedByGreyStripsAndABrokenOneLeavesItGrey)
{
    const auto cut = [](std::string bytes) { return bytes.substr(0, bytes.size() / 3); };
    const auto foreign = [](std::string bytes) { return bytes.replace(0, 2, "XX"); };
    const QRect area(25, 25, 424, 315);  // inside the sunken frame, whose edges cover the picture's
    struct Row {
        const char* name;
        QSize frame;
        std::string (*spoil)(std::string bytes);
        QRect place;  // where the picture lands; none when the file is broken
        QRect strip;  // one of the grey strips beside it
    };
    const Row rows[] = {
        {"wider", QSize(852, 317), nullptr, QRect(24, 103, 426, 158), QRect(25, 25, 424, 77)},
        {"taller", QSize(100, 634), nullptr, QRect(212, 24, 50, 317), QRect(25, 25, 186, 315)},
        {"same shape", QSize(426, 317), nullptr, QRect(24, 24, 426, 317), QRect()},
        {"cut short", QSize(400, 300), cut, QRect(), area},
        {"not a bitmap", QSize(400, 300), foreign, QRect(), area},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = RedFrameRecord(row.frame.width(), row.frame.height());
        if (row.spoil)
            testsupport::WriteFile(path, row.spoil(testsupport::ReadFile(path)));
        window.Document->OnCommand(ID_REFRESH);
        ASSERT_EQ(window.Document->GeneralFrameCount(), 1);

        const QImage shot = Capture();
        EXPECT_EQ(Pane().ShownFrame().HasPicture(), !row.place.isEmpty());
        if (!row.place.isEmpty()) {
            EXPECT_TRUE(Filled(shot, row.place.intersected(area), Red));
        }
        if (!row.strip.isEmpty()) {
            EXPECT_TRUE(Filled(shot, row.strip, Grey()));
        }
        // Text was drawn in each bar.
        EXPECT_FALSE(Filled(shot, QRect(25, 1, 424, 22), Grey())) << "site";
        EXPECT_FALSE(Filled(shot, QRect(1, 49, 22, 291), Grey())) << "time";
        EXPECT_EQ(Pane().CounterText(), "1/1");
        EXPECT_FALSE(Filled(shot, QRect(415, 342, 34, 22), Grey())) << "counter";
    }
}

TEST_F(SlidePaneTest, ADoubleClickSwitchesFullScreenOutsideTheButtonColumnSiteBarAndBottomRow)
{
    OpenRecord(2);
    struct Row {
        QPoint at;
        bool switches;
    };
    const Row rows[] = {
        {{24, 24}, true},   {{449, 100}, true}, {{200, 340}, true},  // the right-most column too
        {{23, 100}, false}, {{200, 23}, false}, {{430, 341}, false},  // time bar, site bar, counter
    };
    for (const Row& row : rows) {
        ASSERT_EQ(window.Document->DisplayMode(), CVantrelDoc::DisplayNormal);
        QTest::mouseDClick(&Pane(), Qt::LeftButton, {}, row.at);
        QCoreApplication::processEvents();
        EXPECT_EQ(window.Document->DisplayMode() == CVantrelDoc::DisplayGeneralFullScreen, row.switches)
            << row.at.x() << "," << row.at.y();
        window.Document->OnCommand(ID_LEAVE_FULL_SCREEN);
    }
}

// In normal mode the pane is 450 wide; in general full screen it is as
// wide as the window, and the counter takes what the slider leaves.
TEST_F(SlidePaneTest, TheSliderIsNeverWiderThan318)
{
    OpenRecord(2);
    for (const int frameWidth : {1000, 1600, 780}) {
        if (frameWidth == 1600)  // general full screen from here on
            QTest::keyClick(window.Frame.get(), Qt::Key_F9);
        window.Frame->resize(frameWidth, 700);
        QCoreApplication::processEvents();
        EXPECT_EQ(Pane().Slider().geometry(), QRect(96, Pane().height() - 24, 318, 24)) << frameWidth;
    }
    Pane().resize(300, 365);
    EXPECT_EQ(Pane().Slider().width(), 168) << "a narrow pane leaves the counter 132 less its buttons";
    QStyleOptionSlider option;
    option.initFrom(&Pane().Slider());
    option.orientation = Qt::Horizontal;
    option.maximum = 1;
    const QRect thumb = Pane().Slider().style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle,
                                                                &Pane().Slider());
    EXPECT_EQ(thumb.width(), 14) << "the thumb keeps its length";
}

// The new frame is decoded once; a repaint without a change decodes nothing.
TEST_F(SlidePaneTest, MovingTheSliderShowsThatFrameAfterTheSlidersEventDecodingItOnce)
{
    OpenRecord(4);
    ASSERT_EQ(window.Document->CurrentGeneralFrame(), 3);
    Capture();
    const int decodes = Pane().ShownFrame().Decodes();
    Capture();
    Pane().repaint();
    EXPECT_EQ(Pane().ShownFrame().Decodes(), decodes);
    Pane().Slider().triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(window.Document->CurrentGeneralFrame(), 3) << "queued, not yet";
    QCoreApplication::processEvents();
    EXPECT_EQ(window.Document->CurrentGeneralFrame(), 0);
    Capture();
    EXPECT_EQ(Pane().ShownFrame().Decodes(), decodes + 1);
}

// The right button opens the "&General view" items, bound to the commands;
// bound menus follow the rules as the command road walk checks.
TEST_F(SlidePaneTest, TheContextMenuRunsTheGeneralViewCommands)
{
    OpenRecord(3);
    QTest::mouseClick(&Pane(), Qt::RightButton, {}, QPoint(200, 200));
    QMenu& menu = Pane().ContextMenu();
    EXPECT_EQ(QApplication::activePopupWidget(), &menu);
    const QList<QAction*> items = menu.actions();
    menu.close();
    ASSERT_EQ(items.at(4)->data().toInt(), ID_PLAY_FIRST);
    items.at(4)->trigger();
    EXPECT_EQ(window.Document->CurrentGeneralFrame(), 0);
}

}  // namespace
