// The detailed-view pane in the main window: its caption, its tool column's
// buttons, the dynamic-range bar's road to the document, the picture view's
// double click and context menu.

#include "DetailedViewFixture.h"

#include "document/UpdateHints.h"
#include "platform/CBButton.h"
#include "views/CDynDiapWnd.h"

#include <QApplication>
#include <QMenu>

namespace {

using detailedtest::DetailedViewTest;
using shelltest::Filled;

// Without a record the caption is an empty panel and the picture a plain
// face. Frame 3 of the left lane is taken at 12:00:03.000. The caption's
// wording around the red light is the document's, checked with the printed
// pages and the tool's captions.
TEST_F(DetailedViewTest, TheCaptionIsEmptyWithoutARecordAndNamesLaneFrameTimeAndTheTimeAfterRed)
{
    const QRect inside = Pane().CaptionStrip().adjusted(1, 1, -1, -1);
    window.Document->OnCommand(ID_REFRESH);
    QImage shot = Capture();
    EXPECT_TRUE(Pane().CaptionText().isEmpty());
    EXPECT_TRUE(Filled(shot, inside, Face()));
    EXPECT_TRUE(Filled(shot, QRect(ViewOrigin(), View().viewport()->size()), Face()));
    EXPECT_FALSE(ScrollBarsShown());
    OpenRecord(3, "2006-03-01 12:00:01.750");
    window.Document->SetLaneFrame(3);
    EXPECT_EQ(Pane().CaptionText().toStdString(),
              "Left lane, Frame 3, Wednesday, 01-March-2006 12:00:03.000 (After red light 1.250 sec.)");
    shot = Capture();
    EXPECT_FALSE(Filled(shot, inside, Face())) << "the caption is drawn";
    EXPECT_TRUE(Filled(shot, inside.adjusted(0, 0, 3 - inside.width(), 0), Face())) << "4 pixels in";
}

TEST_F(DetailedViewTest, TheChildrenTakeTheirPlacesAtEverySize)
{
    const struct { QSize pane; QRect dynamicRange, picture; } rows[] = {
        {{830, 530}, {0, 58, 24, 472}, {24, 24, 806, 506}},
        {{40, 30}, {0, 58, 24, 0}, {24, 24, 16, 6}},
        {{10, 10}, {0, 58, 24, 0}, {24, 24, 0, 0}},
    };
    for (const auto& row : rows) {
        Pane().resize(row.pane);
        EXPECT_EQ(Pane().FullScreenButton().geometry(), QRect(0, 0, 24, 24)) << row.pane.width();
        EXPECT_EQ(Pane().ColourButton().geometry(), QRect(0, 24, 24, 34)) << row.pane.width();
        EXPECT_EQ(Pane().DynamicRange().geometry(), row.dynamicRange) << row.pane.width();
        EXPECT_EQ(View().geometry(), row.picture) << row.pane.width();
    }
}

// The pane's own buttons show the document's state at the next update; the
// images of every mode are the command table's (CommandTableTest), their
// following each hint the binder's (CommandRoadTest). A double click toggles
// the detailed full screen; the context menu's items reach the document.
TEST_F(DetailedViewTest, TheToolButtonsDoubleClickAndContextMenuReachTheDocument)
{
    OpenRecord(1);
    for (const auto& [command, image] : {std::pair{ID_COLOR_NIGHT, 4}, {ID_COLOR_WITHOUT, 2}}) {
        window.Document->OnCommand(command);
        EXPECT_EQ(Pane().ColourButton().ImageIndex(), image) << command;
    }
    for (const int mode : {CVantrelDoc::DisplayDetailedFullScreen, CVantrelDoc::DisplayNormal}) {
        QTest::mouseDClick(View().viewport(), Qt::LeftButton, {}, QPoint(50, 50));
        QCoreApplication::processEvents();
        EXPECT_EQ(window.Document->DisplayMode(), mode);
        EXPECT_EQ(Pane().FullScreenButton().ImageIndex(), mode == CVantrelDoc::DisplayNormal ? 0 : 1);
    }
    QTest::mouseClick(View().viewport(), Qt::RightButton, {}, QPoint(100, 100));
    QMenu& menu = View().ContextMenu();
    EXPECT_EQ(QApplication::activePopupWidget(), &menu);
    menu.close();
    const auto item = [&menu](int command) {
        for (QAction* action : menu.actions())
            if (action->data().toInt() == command)
                return action;
        return static_cast<QAction*>(nullptr);
    };
    const struct { int command; bool (*done)(const CVantrelDoc&); } rows[] = {
        {ID_ZOOM_200, [](const CVantrelDoc& d) { return d.Zoom() == 200; }},
        {ID_FILTER_EMBOSS, [](const CVantrelDoc& d) { return d.Filter() == 3; }},
        {ID_BLACK_AND_WHITE, [](const CVantrelDoc& d) { return d.BlackAndWhite(); }},
        {ID_COLOR_DAY, [](const CVantrelDoc& d) { return d.FrameImage().Correction == 1; }},
        {ID_DETAILED_FULL_SCREEN, [](const CVantrelDoc& d) { return d.DisplayMode() == 1; }},
    };
    for (const auto& row : rows) {
        QAction* action = item(row.command);
        ASSERT_NE(action, nullptr) << row.command;
        action->trigger();
        EXPECT_TRUE(row.done(*window.Document)) << row.command;
        EXPECT_TRUE(action->isChecked()) << row.command << ": the binder ticks it";
    }
}

// The bar's white and black levels become the document's display window,
// also when an update (a playback tick) comes while the band is held.
TEST_F(DetailedViewTest, ADragOfTheDynamicRangeBarSetsTheDisplayWindow)
{
    OpenRecord(1);
    CDynDiapWnd& bar = Pane().DynamicRange();
    const CCfaImage& frame = window.Document->FrameImage();
    const int lowBefore = frame.WindowLow;
    const int highBefore = frame.WindowHigh;
    ASSERT_LT(highBefore, frame.MaxLevel);
    for (const bool tickMidway : {false, true}) {
        SCOPED_TRACE(tickMidway ? "a tick midway" : "a plain drag");
        window.Document->SetDisplayRange(lowBefore, highBefore);
        const QRect band = bar.Geometry().PartRect(DynDiapGeometry::Band).translated(bar.contentsRect().topLeft());
        ASSERT_GT(band.height(), 2);
        const QPoint top(band.center().x(), -500);
        QTest::mousePress(&bar, Qt::LeftButton, {}, band.center());
        QTest::mouseMove(&bar, top);
        if (tickMidway)
            window.Document->UpdateAllViews(HINT_PLAYBACK);
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, top);
        EXPECT_EQ(frame.WindowHigh, frame.MaxLevel);
        EXPECT_NEAR(frame.WindowHigh - frame.WindowLow, highBefore - lowBefore, 2 / bar.Geometry().PixelsPerLevel());
        EXPECT_EQ(bar.Geometry().HighValue(), frame.WindowHigh);
        EXPECT_EQ(bar.Geometry().LowValue(), frame.WindowLow);
    }
}

// The document gives up the picture of a frame it cannot read: the view
// shows nothing rather than the last frame under the new frame's caption.
TEST_F(DetailedViewTest, AnUnreadableFrameLeavesAPlainViewWithoutScrollBars)
{
    const std::string directory = OpenRecord(2);
    window.Document->OnCommand(ID_ZOOM_200);
    ASSERT_TRUE(window.Document->DetailedImageReady());
    testsupport::WriteFile(testsupport::ReviewLaneFramePath(directory, 1, 2), "CFA");
    window.Document->SetLaneFrame(2);
    EXPECT_FALSE(window.Document->DetailedImageReady());
    EXPECT_TRUE(Filled(Capture(), QRect(ViewOrigin(), View().viewport()->size()), Face()));
    EXPECT_EQ(View().ScrollSize(), QSize(1, 1));
    EXPECT_FALSE(ScrollBarsShown());
}

}  // namespace
