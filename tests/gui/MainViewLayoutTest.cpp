// Where each display mode puts the main view's four panes, which hints move
// them, and the frame's full-screen form.

#include "ReviewWindow.h"

#include "document/UpdateHints.h"
#include "ui/CRecordDirectoryPane.h"
#include "ui/CSlidePane.h"
#include "ui/CVantrelView.h"
#include "views/CCfaImagePane.h"
#include "views/CThumbPane.h"

#include <QMenuBar>
#include <QScreen>
#include <QTest>

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

// Each mode at several sizes, down to the frame's minimum of 780 x 560; then
// which hints put a moved pane back.
TEST(MainViewLayoutTest, EveryModeKeepsItsPlacesAtEverySizeAndOnlyHintsAllAndDisplayMoveThePanes)
{
    ReviewWindow window;
    window.Frame->show();
    CVantrelView& view = *window.Frame->View();
    // The keys that switch to each mode: Esc, F10, F9.
    const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_F10, Qt::Key_F9};
    for (int mode : {0, 1, 2, 0}) {
        QTest::keyClick(window.Frame.get(), keys[mode]);
        ASSERT_EQ(window.Document->DisplayMode(), mode);
        for (const QSize& size : {QSize(1280, 1024), QSize(1600, 700), QSize(100, 100)}) {
            window.Frame->resize(size);
            EXPECT_EQ(Actual(view), Expected(mode, view.size())) << "mode " << mode << ", " << view.width();
        }
        EXPECT_EQ(window.Frame->size(), QSize(780, 560));
    }
    window.Frame->resize(1000, 700);
    const QRect home = view.SlidePane()->geometry(), moved(5, 5, 40, 30);
    for (const auto& [hint, relayout] : {std::pair{HINT_ALL, true}, {HINT_LIST, false}, {HINT_COLOR, false},
                                        {HINT_IMAGE, false}, {HINT_PLAYBACK, false}, {HINT_DISPLAY, true}}) {
        view.SlidePane()->setGeometry(moved);
        window.Document->UpdateAllViews(hint);
        EXPECT_EQ(view.SlidePane()->geometry(), relayout ? home : moved) << "hint " << hint;
    }
}

// A second call must not take the full-screen form as the one to return to.
TEST(MainViewLayoutTest, FullScreenTwiceThenOffReturnsToThePlacementBefore)
{
    ReviewWindow window;
    CMainFrame& frame = *window.Frame;
    frame.setGeometry(30, 40, 900, 650);
    frame.show();
    const QRect before = frame.geometry();
    frame.SetFullScreen(true);
    EXPECT_TRUE(frame.menuBar()->isHidden());
    EXPECT_EQ(frame.geometry(), frame.screen()->geometry());
    EXPECT_EQ(frame.View()->geometry(), QRect(QPoint(0, 0), frame.size()));
    frame.SetFullScreen(true);
    EXPECT_TRUE(frame.IsFullScreen());
    frame.SetFullScreen(false);
    EXPECT_FALSE(frame.IsFullScreen());
    EXPECT_FALSE(frame.menuBar()->isHidden());
    EXPECT_EQ(frame.geometry(), before);
}

}  // namespace
