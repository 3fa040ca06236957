// The thumbnails pane on its own over a real record root: the caption, the
// lane tabs as the binder sets them, the cells and their pictures, clicks,
// the loader held off the files while the record moves, and the capture.

#include "FakeReviewServices.h"
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

#include <QPainter>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb Black = qRgb(0, 0, 0);

class ThumbPaneTest : public testing::Test {
protected:
    void SetUp() override
    {
        settings.RootDirectory = root.Path();
        document.OnNewDocument();
        pane = std::make_unique<CThumbPane>(document, binder, nullptr);
        document.AddView(pane.get());
        document.SetLoaderLock(pane.get());
        pane->resize(830, 170);
        pane->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(pane.get()));
    }
    void TearDown() override { document.SetLoaderLock(nullptr); }
    // One record with these lane frames, set up in the document.
    std::string Open(std::array<int, 3> lanes, std::string red = {}, std::string yellow = {})
    {
        const std::string directory = testsupport::WriteReviewRecord(
            root.Path(), {testsupport::RecordName(2006, 3, 1, 12, 0, 0), 1, lanes, red, yellow});
        document.Refresh();
        return directory;
    }
    ThumbnailLoader::LaneSnapshot Thumbs() const { return pane->View().Loader().Lane(document.CurrentLane()); }
    bool Loaded() const
    {
        const ThumbnailLoader::LaneSnapshot thumbs = Thumbs();
        return std::all_of(thumbs.Pictures.begin(), thumbs.Pictures.begin() + thumbs.Count,
                           [](const auto& picture) { return picture != nullptr; });
    }
    void WaitLoaded() { ASSERT_TRUE(QTest::qWaitFor([this] { return Loaded(); }, 20000)); }
    // The pane as a capture takes it.
    QImage Capture() const
    {
        QImage image(pane->size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        pane->PrintClient(painter);
        return image;
    }
    // A point of a cell, as the scrolled view shows it in the pane.
    QPoint InPane(int cell, QPoint within) const
    {
        CThumbView& view = pane->View();
        const QPoint scroll(view.horizontalScrollBar()->value(), view.verticalScrollBar()->value());
        return view.viewport()->mapTo(pane.get(), view.Layout().Cell(cell).topLeft() + within - scroll);
    }
    QRgb CellCentre(const QImage& shot, int cell) const
    {
        const int half = pane->View().Layout().Side() / 2;
        return shot.pixel(InPane(cell, QPoint(half, half)));
    }
    QRgb Colour(CSysColors::Index index) const { return CSysColors::Get(index, pane->palette()).rgb(); }

    testsupport::TempDir root;
    CVantrelSettings settings;
    CCodeNoteMap codeNotes;
    testsupport::FakeReviewServices services;
    CVantrelDoc document{settings, codeNotes, services};
    CCommandBinder binder{document, nullptr};
    std::unique_ptr<CThumbPane> pane;  // declared last: it goes before the document
};

TEST_F(ThumbPaneTest, TheCaptionGivesTheYellowTimeWhenItLastsAMillisecond)
{
    const struct {
        const char* red;
        const char* yellow;
        std::array<int, 3> lanes;
        const char* caption;
    } rows[] = {
        {"2006-03-01 12:00:03.250", "2006-03-01 12:00:00.000", {2, 0, 0}, " (Yellow time duration 3.250 sec.) L1"},
        {"2006-03-01 12:00:00.0005", "2006-03-01 12:00:00.000", {0, 3, 0}, "M1"},
        {"", "", {0, 0, 1}, "R1"},
        {"2006-03-01 12:00:03.250", "2006-03-01 12:00:00.000", {0, 0, 0}, ""},  // no frames, no caption
    };
    for (const auto& row : rows) {
        testsupport::TempDir own;
        settings.RootDirectory = own.Path();
        testsupport::WriteReviewRecord(own.Path(),
                                       {testsupport::RecordName(2006, 3, 1, 12, 0, 0), 1, row.lanes, row.red, row.yellow});
        document.Refresh();
        EXPECT_EQ(pane->CaptionText().toStdString(), row.caption) << row.caption;
        const QImage strip = Capture().copy(CThumbPane::CaptionLeft, 0, pane->width() - CThumbPane::CaptionLeft, 22);
        const bool plain = std::all_of(reinterpret_cast<const QRgb*>(strip.constBits()),
                                       reinterpret_cast<const QRgb*>(strip.constBits()) + strip.width() * strip.height(),
                                       [&](QRgb pixel) { return pixel == Colour(CSysColors::BtnFace); });
        EXPECT_EQ(plain, *row.caption == '\0') << row.caption;
    }
}

// Enabled by the lanes that have frames, pressed for the lane shown; a click
// shows that lane and loads its thumbnails.
TEST_F(ThumbPaneTest, TheLaneTabsFollowTheFrameCountsAndTheCurrentLane)
{
    const struct {
        std::array<int, 3> lanes;
        int click;  // tab clicked before the row's check, -1 for none
        int lane;
        std::array<bool, 3> enabled, pressed;
    } rows[] = {
        {{2, 0, 3}, -1, 1, {true, false, true}, {true, false, false}},
        {{2, 0, 3}, 2, 3, {true, false, true}, {false, false, true}},
        {{2, 0, 3}, 1, 3, {true, false, true}, {false, false, true}},  // a lane without frames cannot be shown
        {{0, 0, 0}, -1, 3, {false, false, false}, {false, false, false}},
    };
    for (const auto& row : rows) {
        if (row.click < 0) {
            testsupport::TempDir own;
            settings.RootDirectory = own.Path();
            testsupport::WriteReviewRecord(own.Path(), {testsupport::RecordName(2006, 3, 1, 12, 0, 0), 1, row.lanes, {}, {}});
            document.Refresh();
        } else {
            QTest::mouseClick(&pane->LaneButton(row.click), Qt::LeftButton, {}, QPoint(50, 11));
            QCoreApplication::processEvents();  // the command comes after the click
        }
        EXPECT_EQ(document.CurrentLane(), row.lane);
        for (int tab = 0; tab < 3; ++tab) {
            EXPECT_EQ(pane->LaneButton(tab).isEnabled(), row.enabled[tab]) << "tab " << tab;
            EXPECT_EQ(pane->LaneButton(tab).IsChecked(), row.pressed[tab]) << "tab " << tab;
        }
        WaitLoaded();
        EXPECT_EQ(Thumbs().Count, document.HasSelection() ? row.lanes[row.lane - 1] : 0);
    }
}

// Five of seven frames get cells; the fifth, clicked, becomes the frame shown
// and gets the red frame, also in a capture of the strip scrolled to its end.
TEST_F(ThumbPaneTest, ASevenFrameLaneShowsFiveThumbnailsAndAClickPicksOne)
{
    Open({7, 0, 0});
    WaitLoaded();
    ASSERT_EQ(Thumbs().Count, 5);
    pane->resize(400, 170);
    QCoreApplication::processEvents();  // the scroll bars show after their ranges are set
    ASSERT_TRUE(pane->View().horizontalScrollBar()->isVisible());
    const ThumbStripLayout layout = pane->View().Layout();
    QTest::mouseClick(pane->View().viewport(), Qt::LeftButton, {}, layout.Cell(0).center());
    EXPECT_EQ(document.CurrentLaneFrame(), 1);
    pane->View().horizontalScrollBar()->setValue(pane->View().horizontalScrollBar()->maximum());
    const QPoint fifth = InPane(4, QPoint(layout.Side() / 2, layout.Side() / 2));
    QTest::mouseClick(pane->View().viewport(), Qt::LeftButton, {}, pane->View().viewport()->mapFrom(pane.get(), fifth));
    EXPECT_EQ(document.CurrentLaneFrame(), 5);
    const QImage shot = Capture();
    EXPECT_EQ(shot.pixel(InPane(4, QPoint(1, 1))), Red);
    EXPECT_NE(shot.pixel(InPane(4, QPoint(4, 4))), Red) << "three pixels wide";
    EXPECT_NE(CellCentre(shot, 4), Colour(CSysColors::AppWorkspace));
}

// A frame the loader cannot read is black; a slot the loader has not reached
// is grey until it has.
TEST_F(ThumbPaneTest, AnUnreadableFrameIsBlackAndAWaitingOneGrey)
{
    const std::string directory = testsupport::WriteReviewRecord(
        root.Path(), {testsupport::RecordName(2006, 3, 1, 12, 0, 0), 1, {3, 0, 0}, {}, {}});
    const std::string second = testsupport::ReviewLaneFramePath(directory, 1, 2);
    testsupport::WriteFile(second, testsupport::ReadFile(second).substr(0, 300));  // its header and no more
    pane->Lock();
    document.Refresh();
    ASSERT_EQ(Thumbs().Count, 3);
    QImage shot = Capture();
    for (int cell = 0; cell < 3; ++cell)
        EXPECT_EQ(CellCentre(shot, cell), Colour(CSysColors::AppWorkspace)) << cell;
    pane->Unlock();
    WaitLoaded();
    shot = Capture();
    EXPECT_EQ(CellCentre(shot, 1), Black);
    EXPECT_NE(CellCentre(shot, 0), Black);
    EXPECT_NE(CellCentre(shot, 0), Colour(CSysColors::AppWorkspace));
}

TEST_F(ThumbPaneTest, AViewEightyPixelsHighStillHasCellsOf96)
{
    Open({2, 0, 0});
    const int frame = pane->View().frameWidth();
    pane->resize(830, CThumbPane::ButtonHeight + 80 + 2 * frame);
    const ThumbStripLayout layout = pane->View().Layout();
    EXPECT_EQ(layout.Cell(1), QRect(100, 2, 96, 96));
    EXPECT_EQ(pane->View().verticalScrollBar()->maximum(), 100 - pane->View().viewport()->height());
}

// Confirmed while its lane still loads: the record's directory moves, and
// the thumbnails still to come are read from its new place, not shown black.
TEST_F(ThumbPaneTest, ARecordConfirmedWhileItsLaneLoadsKeepsReadableThumbnails)
{
    pane->Lock();  // so that no frame is read before the move
    Open({5, 0, 0});
    ASSERT_TRUE(document.OnCommand(ID_RECORD_CONFIRM));
    ASSERT_NE(document.Records().Content.Path.find("!CONFIRMED"), std::string::npos);
    pane->Unlock();
    WaitLoaded();
    const ThumbnailLoader::LaneSnapshot thumbs = Thumbs();
    for (int slot = 0; slot < thumbs.Count; ++slot)
        EXPECT_NE(thumbs.Pictures[static_cast<std::size_t>(slot)]->Width(), 5) << "slot " << slot;
}

}  // namespace
