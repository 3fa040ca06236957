// The thumbnails pane on its own over a real record root: the caption, the
// lane tabs as the binder sets them, the cells, clicks, the loader held off
// the files while the record moves, and the capture of the scrolled strip.

#include "FakeReviewServices.h"
#include "PaneCapture.h"
#include "RecordTreeWriter.h"
#include "ReviewRecordWriter.h"
#include "TempDir.h"

#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"
#include "document/CVantrelDoc.h"
#include "document/CommandIds.h"
#include "imaging/CDibImage.h"
#include "platform/CBButton.h"
#include "platform/CCommandBinder.h"
#include "platform/CSysColors.h"
#include "views/CThumbPane.h"
#include "views/CThumbView.h"

#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ThumbPaneTest : public testing::Test {
protected:
    void SetUp() override
    {
        document.OnNewDocument();
        document.AddView(pane.get());
        document.SetLoaderLock(pane.get());
        pane->resize(830, 170);
        pane->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(pane.get()));
    }
    void TearDown() override { document.SetLoaderLock(nullptr); }
    // A record of its own root with these lane frames, set up in the document.
    std::string Open(std::array<int, 3> lanes, std::string red = {}, std::string yellow = {})
    {
        roots.push_back(std::make_unique<testsupport::TempDir>());
        settings.RootDirectory = roots.back()->Path();
        const std::string directory = testsupport::WriteReviewRecord(
            settings.RootDirectory, {testsupport::RecordName(2006, 3, 1, 12, 0, 0), 1, lanes, red, yellow});
        document.Refresh();
        return directory;
    }
    ThumbnailLoader::LaneSnapshot Thumbs() const { return pane->View().Loader().Lane(document.CurrentLane()); }
    void WaitLoaded()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] {
            const ThumbnailLoader::LaneSnapshot thumbs = Thumbs();
            return std::all_of(thumbs.Pictures.begin(), thumbs.Pictures.begin() + thumbs.Count,
                               [](const auto& picture) { return picture != nullptr; });
        }, 20000));
    }
    QImage Capture() const { return shelltest::Capture(*pane); }
    // A point of a cell, where the scrolled view shows it in the pane.
    QPoint InPane(int cell, int within) const
    {
        const CThumbView& view = pane->View();
        const QPoint scroll(view.horizontalScrollBar()->value(), view.verticalScrollBar()->value());
        return view.viewport()->mapTo(pane.get(), view.Layout().Cell(cell).topLeft() + QPoint(within, within) - scroll);
    }
    QRgb CellCentre(const QImage& shot, int cell) const { return shot.pixel(InPane(cell, pane->View().Layout().Side() / 2)); }
    QRgb Colour(CSysColors::Index index) const { return CSysColors::Get(index, pane->palette()).rgb(); }

    std::vector<std::unique_ptr<testsupport::TempDir>> roots;
    CVantrelSettings settings;
    CCodeNoteMap codeNotes;
    testsupport::FakeReviewServices services;
    CVantrelDoc document{settings, codeNotes, services};
    CCommandBinder binder{document, nullptr};
    std::unique_ptr<CThumbPane> pane = std::make_unique<CThumbPane>(document, binder, nullptr);
};

TEST_F(ThumbPaneTest, TheCaptionGivesTheYellowTimeWhenItLastsAMillisecond)
{
    const struct { const char* red; std::array<int, 3> lanes; const char* caption; } rows[] = {
        {"2006-03-01 12:00:03.250", {2, 0, 0}, " (Yellow time duration 3.250 sec.) L1"},
        {"2006-03-01 12:00:00.0005", {0, 3, 0}, "M1"},
        {"", {0, 0, 1}, "R1"},
        {"2006-03-01 12:00:03.250", {0, 0, 0}, ""},  // no frames, no caption
    };
    for (const auto& row : rows) {
        Open(row.lanes, row.red, *row.red ? "2006-03-01 12:00:00.000" : "");
        EXPECT_EQ(pane->CaptionText().toStdString(), row.caption);
        const QImage strip = Capture().copy(CThumbPane::CaptionLeft, 0, pane->width() - CThumbPane::CaptionLeft, 22);
        QImage plain(strip.size(), strip.format());
        plain.fill(Colour(CSysColors::BtnFace));
        EXPECT_EQ(strip == plain, *row.caption == '\0') << row.caption;
    }
}

// Enabled by the lanes that have frames, pressed for the lane shown; a click
// shows that lane and loads its thumbnails. Click: the tab clicked, -1 to open
// the record.
TEST_F(ThumbPaneTest, TheLaneTabsFollowTheFrameCountsAndTheCurrentLane)
{
    const struct { std::array<int, 3> lanes; int click, lane; std::array<bool, 3> enabled, pressed; } rows[] = {
        {{2, 0, 3}, -1, 1, {true, false, true}, {true, false, false}},
        {{2, 0, 3}, 2, 3, {true, false, true}, {false, false, true}},
        {{0, 0, 0}, -1, 3, {false, false, false}, {false, false, false}},
    };
    for (const auto& row : rows) {
        if (row.click < 0)
            Open(row.lanes);
        else
            QTest::mouseClick(&pane->LaneButton(row.click), Qt::LeftButton, {}, QPoint(50, 11));
        QCoreApplication::processEvents();  // the command comes after the click
        EXPECT_EQ(document.CurrentLane(), row.lane);
        for (int tab = 0; tab < 3; ++tab) {
            EXPECT_EQ(pane->LaneButton(tab).isEnabled(), row.enabled[tab]) << "tab " << tab;
            EXPECT_EQ(pane->LaneButton(tab).IsChecked(), row.pressed[tab]) << "tab " << tab;
        }
        WaitLoaded();
        EXPECT_EQ(Thumbs().Count, document.HasSelection() ? row.lanes[std::size_t(row.lane - 1)] : 0);
    }
}

// Five of seven frames get cells; the fifth, clicked in the strip scrolled to
// its end, becomes the frame shown and gets the red frame in the capture. A
// view eighty pixels high still has cells of 96, scrolled up and down.
TEST_F(ThumbPaneTest, ASevenFrameLaneShowsFiveThumbnailsAClickPicksOneAndCellsKeepTheirLeastSide)
{
    Open({7, 0, 0});
    WaitLoaded();
    EXPECT_EQ(Thumbs().Count, 5);
    pane->resize(400, 170);
    QCoreApplication::processEvents();  // the scroll bars show after their ranges are set
    QScrollBar& scroll = *pane->View().horizontalScrollBar();
    ASSERT_TRUE(scroll.isVisible());
    EXPECT_FALSE(pane->View().verticalScrollBar()->isVisible()) << "the cells fit above the horizontal bar";
    EXPECT_EQ(pane->View().Layout().Cell(0).bottom() + 3, pane->View().viewport()->height());
    scroll.setValue(scroll.maximum());
    QWidget& viewport = *pane->View().viewport();
    QTest::mouseClick(&viewport, Qt::LeftButton, {}, viewport.mapFrom(pane.get(), InPane(4, 50)));
    EXPECT_EQ(document.CurrentLaneFrame(), 5);
    const QImage shot = Capture();
    EXPECT_EQ(shot.pixel(InPane(4, 0)), qRgb(255, 0, 0));
    EXPECT_NE(shot.pixel(InPane(4, 3)), qRgb(255, 0, 0)) << "three pixels wide";
    EXPECT_NE(shot.pixel(InPane(3, 0)), qRgb(255, 0, 0));
    pane->resize(830, CThumbPane::ButtonHeight + 80 + 2 * pane->View().frameWidth());
    EXPECT_EQ(pane->View().Layout().Cell(1), QRect(100, 2, 96, 96));
    EXPECT_EQ(pane->View().verticalScrollBar()->maximum(), 100 - pane->View().viewport()->height());
}

// A frame the loader cannot read is black; a slot it has not reached, grey.
// The thumbnails made stay when the cells change size, stretched to them.
TEST_F(ThumbPaneTest, UnreadableIsBlackWaitingGreyAndAResizeStretchesWithoutLoadingAgain)
{
    pane->Lock();
    const std::string second = testsupport::ReviewLaneFramePath(Open({3, 0, 0}), 1, 2);
    testsupport::WriteFile(second, testsupport::ReadFile(second).substr(0, 300));  // its header and no more
    QImage shot = Capture();
    for (int cell = 0; cell < 3; ++cell)
        EXPECT_EQ(CellCentre(shot, cell), Colour(CSysColors::AppWorkspace)) << cell;
    pane->Unlock();
    WaitLoaded();
    const ThumbnailLoader::LaneSnapshot before = Thumbs();
    const int sideBefore = pane->View().Layout().Side();
    for (const int height : {170, 250}) {
        pane->resize(830, height);
        QCoreApplication::processEvents();
        shot = Capture();
        EXPECT_EQ(CellCentre(shot, 1), qRgb(0, 0, 0)) << height;
        for (const int cell : {0, 2}) {
            EXPECT_NE(CellCentre(shot, cell), qRgb(0, 0, 0)) << height;
            EXPECT_NE(CellCentre(shot, cell), Colour(CSysColors::AppWorkspace)) << height;
            EXPECT_NE(CellCentre(shot, cell), Colour(CSysColors::BtnFace)) << height;
        }
    }
    ASSERT_GT(pane->View().Layout().Side(), sideBefore);
    for (std::size_t slot = 0; slot < 3; ++slot)
        EXPECT_EQ(Thumbs().Pictures[slot], before.Pictures[slot]) << slot;
}

// Confirmed before its lane loaded: the record's directory moves, and its
// thumbnails are read from the new place, not shown black.
TEST_F(ThumbPaneTest, ARecordConfirmedBeforeItsLaneLoadedKeepsReadableThumbnails)
{
    pane->Lock();
    Open({5, 0, 0});
    ASSERT_TRUE(document.OnCommand(ID_RECORD_CONFIRM));
    ASSERT_NE(document.Records().Content.Path.find("!CONFIRMED"), std::string::npos);
    pane->Unlock();
    WaitLoaded();
    for (const auto& picture : Thumbs().Pictures)
        EXPECT_NE(picture->Width(), 5);
}

}  // namespace
