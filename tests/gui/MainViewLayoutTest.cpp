// The main view's four panes: what they are, where each display mode puts
// them, and which hints move them.

#include "ReviewWindow.h"

#include "document/CommandIds.h"
#include "document/UpdateHints.h"
#include "ui/CRecordDirectoryPane.h"
#include "ui/CSlidePane.h"
#include "ui/CVantrelView.h"
#include "views/CCfaImagePane.h"
#include "views/CThumbPane.h"

#include <QMenuBar>
#include <QScreen>

#include <array>

#include <gtest/gtest.h>

namespace {

using shelltest::ReviewWindow;

// Slide, records, image and thumbnails pane; an empty rectangle is a hidden pane.
using Places = std::array<QRect, 4>;

Places Actual(const CVantrelView& view)
{
    Places places;
    const QWidget* panes[] = {view.SlidePane(), view.RecordsPane(), view.ImagePane(), view.ThumbPane()};
    for (std::size_t i = 0; i < places.size(); ++i)
        places[i] = panes[i]->isVisible() ? panes[i]->geometry() : QRect();
    return places;
}

Places Expected(int mode, const QSize& size)
{
    const int cx = size.width(), cy = size.height();
    if (mode == 1)
        return {QRect(), QRect(), QRect(0, 0, cx, cy), QRect()};
    if (mode == 2)
        return {QRect(0, 0, cx, cy), QRect(), QRect(), QRect()};
    return {QRect(0, 0, 450, 365), QRect(0, 365, 450, cy - 365), QRect(450, 0, cx - 450, cy - 170),
            QRect(450, cy - 170, cx - 450, 170)};
}

void ExpectPlaces(const CVantrelView& view, int mode)
{
    EXPECT_EQ(Actual(view), Expected(mode, view.size())) << "mode " << mode << ", view " << view.width() << "x"
                                                         << view.height();
}

TEST(MainViewTest, CreatesTheFourPanesInOrderWithTheirNamesAndIds)
{
    ReviewWindow window;
    const CVantrelView& view = *window.Frame->View();
    struct Row {
        const CPaneView* pane;
        const char* className;
        const char* windowName;
        int id;
    };
    const Row rows[] = {
        {view.SlidePane(), "CSlidePane", "Slide Pane", 102},
        {view.RecordsPane(), "CRecordDirectoryPane", "Record Pane", 124},
        {view.ThumbPane(), "CThumbPane", "Thumbnails Pane", 106},
        {view.ImagePane(), "CCfaImagePane", "CFA Image Pane", 112},
    };
    const QList<CPaneView*> children = view.findChildren<CPaneView*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(children.size(), 4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(rows[i].className);
        ASSERT_NE(rows[i].pane, nullptr);
        EXPECT_EQ(children.at(i), rows[i].pane);  // creation order
        EXPECT_STREQ(rows[i].pane->metaObject()->className(), rows[i].className);
        EXPECT_EQ(rows[i].pane->windowTitle(), rows[i].windowName);
        EXPECT_EQ(rows[i].pane->ControlId(), rows[i].id);
        EXPECT_EQ(&rows[i].pane->Document(), window.Document.get());
    }
}

TEST(MainViewTest, EachDisplayModeCommandPlacesThePanes)
{
    ReviewWindow window;
    window.Frame->resize(1000, 700);
    window.Frame->show();
    const CVantrelView& view = *window.Frame->View();
    ExpectPlaces(view, 0);
    // Each command changes the mode, the frame's form, then lays out.
    const struct {
        int command;
        int mode;
    } steps[] = {{ID_DETAILED_FULL_SCREEN, 1}, {ID_DETAILED_FULL_SCREEN, 0}, {ID_GENERAL_FULL_SCREEN, 2},
                 {ID_LEAVE_FULL_SCREEN, 0},   {ID_GENERAL_FULL_SCREEN, 2},   {ID_DETAILED_FULL_SCREEN, 1},
                 {ID_LEAVE_FULL_SCREEN, 0}};
    for (const auto& step : steps) {
        ASSERT_TRUE(window.Document->OnCommand(step.command));
        ASSERT_EQ(window.Document->DisplayMode, step.mode);
        EXPECT_EQ(window.Frame->IsFullScreen(), step.mode != 0);
        ExpectPlaces(view, step.mode);
    }
}

TEST(MainViewTest, ResizingKeepsTheFixedSizesInEveryModeDownToTheMinimum)
{
    ReviewWindow window;
    window.Frame->show();
    for (int mode : {0, 1, 2}) {
        window.Document->DisplayMode = mode;
        for (const QSize& size : {QSize(1280, 1024), QSize(1600, 700), QSize(100, 100)}) {
            window.Frame->resize(size);
            ExpectPlaces(*window.Frame->View(), mode);
        }
        EXPECT_EQ(window.Frame->size(), QSize(780, 560));
    }
    window.Document->DisplayMode = 0;
    window.Document->UpdateAllViews(HINT_DISPLAY);
    for (const QRect& place : Actual(*window.Frame->View()))
        EXPECT_FALSE(place.isEmpty());
}

TEST(MainViewTest, OnlyHintsAllAndDisplayMoveThePanes)
{
    ReviewWindow window;
    window.Frame->resize(1000, 700);
    window.Frame->show();
    CVantrelView& view = *window.Frame->View();
    const QRect home = view.SlidePane()->geometry();
    const QRect moved(5, 5, 40, 30);
    for (const auto& [hint, relayout] : {std::pair{HINT_ALL, true}, {HINT_LIST, false}, {HINT_COLOR, false},
                                        {HINT_IMAGE, false}, {HINT_PLAYBACK, false}, {HINT_DISPLAY, true}}) {
        view.SlidePane()->setGeometry(moved);
        window.Document->UpdateAllViews(hint);
        EXPECT_EQ(view.SlidePane()->geometry(), relayout ? home : moved) << "hint " << hint;
    }
}

TEST(MainFrameTest, FullScreenTwiceSavesThePlacementOnce)
{
    ReviewWindow window;
    CMainFrame& frame = *window.Frame;
    frame.setGeometry(30, 40, 900, 650);
    frame.show();
    const QRect before = frame.geometry();

    frame.SetFullScreen(true);
    EXPECT_TRUE(frame.IsFullScreen());
    EXPECT_TRUE(frame.windowState() & Qt::WindowFullScreen);
    EXPECT_TRUE(frame.menuBar()->isHidden());
    EXPECT_EQ(frame.geometry(), frame.screen()->geometry());
    EXPECT_EQ(frame.View()->geometry(), QRect(QPoint(0, 0), frame.size()));

    // A second call must not take the full-screen form as the one to return to.
    frame.setGeometry(0, 0, 820, 600);
    frame.SetFullScreen(true);
    EXPECT_EQ(frame.geometry(), QRect(0, 0, 820, 600));

    frame.SetFullScreen(false);
    EXPECT_FALSE(frame.IsFullScreen());
    EXPECT_FALSE(frame.windowState() & Qt::WindowFullScreen);
    EXPECT_FALSE(frame.menuBar()->isHidden());
    EXPECT_EQ(frame.geometry(), before);
    frame.SetFullScreen(false);
    EXPECT_EQ(frame.geometry(), before);
}

}  // namespace
