// The dynamic-range bar on its own: its markers within the range, and the
// drags of its three parts as the mouse makes them.

#include "platform/CSysColors.h"
#include "views/CDynDiapWnd.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <array>

namespace {

using Part = DynDiapGeometry::Part;

TEST(DynDiapWndTest, MarkersStayWithinTheRangeInEitherOrder)
{
    const struct { int rangeA, rangeB, posA, posB, rangeMin, rangeMax, low, high; } rows[] = {
        {4095, 0, 10, 20, 0, 4095, 10, 20},
        {0, 4095, 20, 10, 0, 4095, 10, 20},
        {1000, 2000, 0, 5000, 1000, 2000, 1000, 2000},
        {500, 500, 0, 4095, 500, 500, 500, 500},
    };
    for (const auto& row : rows) {
        CDynDiapWnd bar(nullptr);
        bar.SetRange(row.rangeA, row.rangeB, false);
        bar.SetPos(row.posA, row.posB, true);
        const DynDiapGeometry& g = bar.Geometry();
        EXPECT_EQ((std::array{g.RangeMin(), g.RangeMax(), g.LowValue(), g.HighValue()}),
                  (std::array{row.rangeMin, row.rangeMax, row.low, row.high}))
            << row.rangeA << ".." << row.rangeB;
    }
}

// Range 0..4095 on a client 700 high: about 6.2 levels a pixel; markers at
// 1000 and 3000.
class DynDiapDragTest : public testing::Test {
protected:
    DynDiapDragTest() : spy(&bar, &CDynDiapWnd::DynDiapNotify)
    {
        bar.resize(24, 704);
        bar.SetRange(0, 4095, false);
        bar.SetPos(1000, 3000, false);
        bar.show();
    }
    // The colour of the part's top-left pixel, where its border starts.
    QRgb Corner(Part part)
    {
        return bar.grab().toImage().pixel(At(0, bar.Geometry().PartRect(part).top()));
    }
    QRgb Colour(CSysColors::Index index) const { return CSysColors::Get(index, bar.palette()).rgb(); }
    // Client coordinates to the widget's, inside its sunken edge.
    QPoint At(int x, int y) const { return bar.contentsRect().topLeft() + QPoint(x, y); }
    int Middle(Part part) const { return bar.Geometry().PartRect(part).center().y(); }
    void Drag(int fromY, int toY)
    {
        QTest::mouseMove(&bar, At(10, fromY));
        QTest::mousePress(&bar, Qt::LeftButton, {}, At(10, fromY));
        QTest::mouseMove(&bar, At(10, (fromY + toY) / 2));
        QTest::mouseMove(&bar, At(10, toY));
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, At(10, toY));
    }

    CDynDiapWnd bar{nullptr};
    QSignalSpy spy;
};

TEST_F(DynDiapDragTest, EachPartDragsAsFarAsTheBarLetsIt)
{
    const DynDiapGeometry& g = bar.Geometry();
    ASSERT_NEAR(g.PixelsPerLevel(), 660.0 / 4095, 1e-12);
    const int bandHeight = g.PartRect(Part::Band).height();
    // High or low -1: as the other marker; slack: levels of rounding when both markers move.
    const struct { const char* name; Part part; int dy, high, low, slack; } rows[] = {
        {"upper handle to the top", Part::HighHandle, -2000, 4095, 1000, 0},
        {"upper handle onto the lower one", Part::HighHandle, 2000, -1, 1000, 0},
        {"lower handle to the bottom", Part::LowHandle, 2000, 3000, 0, 0},
        {"lower handle onto the upper one", Part::LowHandle, -2000, 3000, -1, 0},
        {"band past the top", Part::Band, -2000, 4095, 2095, 7},
        {"band past the bottom", Part::Band, 2000, 2000, 0, 7},
    };
    for (const auto& row : rows) {
        bar.SetPos(1000, 3000, false);
        spy.clear();
        Drag(Middle(row.part), Middle(row.part) + row.dy);
        EXPECT_NEAR(g.HighValue(), row.high == -1 ? g.LowValue() : row.high, row.slack) << row.name;
        EXPECT_NEAR(g.LowValue(), row.low == -1 ? g.HighValue() : row.low, row.slack) << row.name;
        ASSERT_EQ(spy.count(), 1) << row.name;
        EXPECT_EQ(spy.at(0).at(0).toInt(), g.HighValue()) << row.name;
        EXPECT_EQ(spy.at(0).at(1).toInt(), g.LowValue()) << row.name;
        EXPECT_EQ(bar.State(row.part), CDynDiapWnd::Normal) << row.name << ": the mouse ended off the part";
        if (row.part == Part::Band) {
            EXPECT_EQ(g.PartRect(Part::Band).height(), bandHeight) << row.name << ": the band keeps its height";
        }
    }
}

TEST_F(DynDiapDragTest, OnlyADragOfAPartNotifiesAndOnceWhenItEndsOutsideTheBar)
{
    const DynDiapGeometry& g = bar.Geometry();
    const int aboveUpper = g.PartRect(Part::HighHandle).top() - 10;
    const int belowLower = g.PartRect(Part::LowHandle).bottom() + 10;
    for (const int y : {aboveUpper, belowLower}) {
        Drag(y, y - 100);
        EXPECT_EQ(g.HighValue(), 3000) << y;
        EXPECT_EQ(g.LowValue(), 1000) << y;
    }
    QTest::mouseMove(&bar, At(10, Middle(Part::Band)));
    EXPECT_EQ(bar.State(Part::Band), CDynDiapWnd::Hot);
    EXPECT_EQ(Corner(Part::Band), Colour(CSysColors::BtnHighlight)) << "raised";
    QTest::mouseMove(&bar, At(10, Middle(Part::HighHandle)));
    EXPECT_EQ(bar.State(Part::Band), CDynDiapWnd::Normal);
    EXPECT_EQ(bar.State(Part::HighHandle), CDynDiapWnd::Hot);
    EXPECT_EQ(spy.count(), 0);
    // The pressed part keeps its look while the drag holds the mouse outside
    // the bar; the release out there notifies once.
    const int from = Middle(Part::LowHandle);
    QTest::mouseMove(&bar, At(10, from));
    QTest::mousePress(&bar, Qt::LeftButton, {}, At(10, from));
    EXPECT_EQ(bar.State(Part::LowHandle), CDynDiapWnd::Pressed);
    EXPECT_EQ(Corner(Part::LowHandle), Colour(CSysColors::BtnShadow)) << "sunken";
    QTest::mouseMove(&bar, At(-80, from + 50));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&bar, &leave);
    EXPECT_EQ(bar.State(Part::LowHandle), CDynDiapWnd::Pressed);
    EXPECT_EQ(spy.count(), 0);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, At(-80, from + 60));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_LT(bar.Geometry().LowValue(), 1000);
    EXPECT_EQ(bar.State(Part::LowHandle), CDynDiapWnd::Normal);
}

}  // namespace
