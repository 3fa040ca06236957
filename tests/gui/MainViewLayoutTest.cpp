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
#include <QTest>

#include <gtest/gtest.h>

namespace {

using shelltest::ReviewWindow;

struct PanePlaces {
    QRect Slide, Records, Image, Thumbnails;  // an empty rectangle: hidden
};

QRect Place(const QWidget* pane)
{
    return pane->isVisible() ? pane->geometry() : QRect();
}

PanePlaces Places(const CVantrelView& view)
{
    return {Place(view.SlidePane()), Place(view.RecordsPane()), Place(view.ImagePane()), Place(view.ThumbPane())};
}

PanePlaces Expected(int mode, int cx, int cy)
{
    switch (mode) {
    case 1:
        return {{}, {}, QRect(0, 0, cx, cy), {}};
    case 2:
        return {QRect(0, 0, cx, cy), {}, {}, {}};
    default:
        return {QRect(0, 0, 450, 365), QRect(0, 365, 450, cy - 365), QRect(450, 0, cx - 450, cy - 170),
                QRect(450, cy - 170, cx - 450, 170)};
    }
}

void ExpectPlaces(const CVantrelView& view, int mode)
{
    const PanePlaces actual = Places(view);
    const PanePlaces expected = Expected(mode, view.width(), view.height());
    EXPECT_EQ(actual.Slide, expected.Slide) << "mode " << mode;
    EXPECT_EQ(actual.Records, expected.Records) << "mode " << mode;
    EXPECT_EQ(actual.Image, expected.Image) << "mode " << mode;
    EXPECT_EQ(actual.Thumbnails, expected.Thumbnails) << "mode " << mode;
}

TEST(MainViewTest, CreatesTheFourPanesInOrderWithTheirNamesAndIds)
{
    ReviewWindow window;
    const CVantrelView& view = *window.Frame->View();
    EXPECT_EQ(CVantrelView::Instance(), &view);
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

TEST(MainViewTest, ResizingKeepsTheFixedSizesInEveryMode)
{
    ReviewWindow window;
    window.Frame->show();
    const CVantrelView& view = *window.Frame->View();
    const QSize sizes[] = {{780, 560}, {1280, 1024}, {1000, 600}, {1600, 900}};
    for (int mode : {0, 1, 2}) {
        window.Document->DisplayMode = mode;
        for (const QSize& size : sizes) {
            window.Frame->resize(size);
            SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
            ExpectPlaces(view, mode);
        }
    }
}

TEST(MainViewTest, TheSmallestFrameStillGivesEveryPaneAnArea)
{
    ReviewWindow window;
    window.Frame->show();
    window.Frame->resize(100, 100);
    EXPECT_EQ(window.Frame->size(), QSize(780, 560));
    const PanePlaces places = Places(*window.Frame->View());
    for (const QRect& place : {places.Slide, places.Records, places.Image, places.Thumbnails})
        EXPECT_FALSE(place.isEmpty()) << place.width() << "x" << place.height();
}

TEST(MainViewTest, OnlyHintsAllAndDisplayMoveThePanes)
{
    ReviewWindow window;
    window.Frame->resize(1000, 700);
    window.Frame->show();
    CVantrelView& view = *window.Frame->View();
    const QRect home = view.SlidePane()->geometry();
    const QRect moved(5, 5, 40, 30);
    const struct {
        int hint;
        bool relayout;
    } rows[] = {{HINT_ALL, true},    {HINT_LIST, false},    {HINT_COLOR, false},
                {HINT_IMAGE, false}, {HINT_PLAYBACK, false}, {HINT_DISPLAY, true}};
    for (const auto& row : rows) {
        view.SlidePane()->setGeometry(moved);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.Frame.get()));
        int paints = 0;
        struct PaintCounter : QObject {
            int& count;
            explicit PaintCounter(int& c) : count(c) {}
            bool eventFilter(QObject*, QEvent* event) override
            {
                count += event->type() == QEvent::Paint;
                return false;
            }
        } counter(paints);
        view.ImagePane()->installEventFilter(&counter);
        QCoreApplication::processEvents();
        paints = 0;
        window.Document->UpdateAllViews(row.hint);
        EXPECT_EQ(view.SlidePane()->geometry(), row.relayout ? home : moved) << "hint " << row.hint;
        EXPECT_TRUE(QTest::qWaitFor([&] { return paints > 0; }, 1000)) << "hint " << row.hint;
        view.ImagePane()->removeEventFilter(&counter);
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

TEST(MainFrameTest, TitleFollowsTheDocument)
{
    ReviewWindow window;
    EXPECT_EQ(window.Frame->windowTitle(), "Vantrel - Orvane Vantrel Light Control");
    window.Document->Refresh();
    EXPECT_EQ(window.Frame->windowTitle(),
              QString::fromStdString(window.Root.Path()) + " - Orvane Vantrel Light Control");
}

TEST(MainViewTest, LockCommandsReachTheThumbnailsPaneAndNeverTheDocument)
{
    ReviewWindow window;
    int reachedDocument = 0;
    // The view takes 128 and 129 itself; a command it does not know goes on.
    for (int id : {ID_THUMBNAILS_LOCK, ID_THUMBNAILS_UNLOCK})
        EXPECT_TRUE(window.Frame->View()->OnViewCommand(id));
    window.Document->Commands().Attach(ID_REFRESH, [&] { ++reachedDocument; });
    window.Frame->View()->OnCommand(ID_REFRESH, nullptr);
    EXPECT_EQ(reachedDocument, 1);
}

}  // namespace
