// The page canvas on a painter, drawn into a picture at a printer's
// resolution: where the turned lines, the tab stops, the cut lines and the
// stretched pictures land in pixels.

#include "imaging/CDibImage.h"
#include "platform/CQtPageCanvas.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr int DotsPerMetre = 11811;  // 300 dpi

QImage WhitePage(int width, int height)
{
    QImage page(width, height, QImage::Format_RGB32);
    page.setDotsPerMeterX(DotsPerMetre);
    page.setDotsPerMeterY(DotsPerMetre);
    page.fill(Qt::white);
    return page;
}

// The smallest rectangle holding every pixel that is not white; empty when
// all are.
QRect InkBounds(const QImage& page)
{
    QRect bounds;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixel(x, y) != qRgb(255, 255, 255))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

template <class Draw>
QImage Drawn(int width, int height, const Draw& draw)
{
    QImage page = WhitePage(width, height);
    QPainter painter(&page);
    CQtPageCanvas canvas(painter, page);
    draw(canvas);
    painter.end();
    return page;
}

TEST(QtPageCanvasTest, MeasuresThePageAndAnEightPointFontAtTheDevicesResolution)
{
    QImage page = WhitePage(2480, 3508);
    QPainter painter(&page);
    CQtPageCanvas canvas(painter, page);
    const PageMetrics metrics = canvas.Metrics();
    EXPECT_EQ(QSize(metrics.Width, metrics.Height), page.size());
    EXPECT_NEAR(metrics.WidthMm, 210, 1);
    EXPECT_NEAR(metrics.HeightMm, 297, 1);
    const PageExtent m = canvas.TextExtent(TextTurn::Horizontal, "M");
    // 8 points at 300 dpi are 33 pixels; a line is a little taller.
    EXPECT_GE(m.Height, 33);
    EXPECT_LE(m.Height, 48);
    EXPECT_EQ(canvas.TextExtent(TextTurn::Clockwise, "MM"), canvas.TextExtent(TextTurn::CounterClockwise, "MM"));
    EXPECT_GT(canvas.TextExtent(TextTurn::Horizontal, "MM").Width, m.Width);
}

TEST(QtPageCanvasTest, TurnedLinesLieOnTheirSideOfTheOriginAndRunAlongThePage)
{
    const struct {
        TextTurn turn;
        bool leftOfOrigin;  // a clockwise line's top faces right: it lies left of x
        bool downFromOrigin;
    } cases[] = {
        {TextTurn::Clockwise, true, true},
        {TextTurn::CounterClockwise, false, false},
    };
    for (const auto& c : cases) {
        const QImage page = Drawn(800, 800, [&](PageCanvas& canvas) {
            canvas.DrawClippedText(c.turn, 400, 400, {0, 0, 800, 800}, "MMMMMMMMMM");
        });
        const QRect ink = InkBounds(page);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_GT(ink.height(), 3 * ink.width()) << "runs along the page";
        EXPECT_TRUE(c.leftOfOrigin ? ink.right() <= 400 : ink.left() >= 400) << ink.left() << ".." << ink.right();
        EXPECT_TRUE(c.downFromOrigin ? ink.top() >= 400 : ink.bottom() <= 400) << ink.top() << ".." << ink.bottom();
    }
}

TEST(QtPageCanvasTest, ClippedAndBoxedTextStaysInside)
{
    const QImage clipped = Drawn(800, 800, [](PageCanvas& canvas) {
        canvas.DrawClippedText(TextTurn::Clockwise, 400, 0, {0, 0, 800, 200}, "MMMMMMMMMMMMMMMMMMMM");
    });
    EXPECT_LE(InkBounds(clipped).bottom(), 199);
    const QImage cut = Drawn(800, 200, [](PageCanvas& canvas) {
        canvas.DrawLineWithEllipsis({10, 10, 300, 100}, "a line far too long for the little box it is given here");
    });
    const QRect ink = InkBounds(cut);
    EXPECT_GE(ink.left(), 10);
    EXPECT_LE(ink.right(), 299);
}

TEST(QtPageCanvasTest, ATabTakesTheTextToTheNextStopOfEightCharacters)
{
    const auto ink = [](const char* line) {
        return InkBounds(Drawn(2000, 100, [line](PageCanvas& c) { c.DrawLineWithTabs({0, 0, 2000, 100}, line); }));
    };
    // Whatever stands before it, the text after the tab starts at the stop.
    EXPECT_EQ(ink("\tM").right(), ink("M\tM").right());
    EXPECT_GT(ink("\tM").left(), 100);
}

TEST(QtPageCanvasTest, APictureFillsItsTargetUprightAndNothingElse)
{
    // Red above, blue below.
    CDibImage picture;
    ASSERT_TRUE(picture.Create(4, 2));
    for (int x = 0; x < 4; ++x) {
        std::memcpy(picture.TopDownRow(0) + 3 * x, "\x00\x00\xff", 3);
        std::memcpy(picture.TopDownRow(1) + 3 * x, "\xff\x00\x00", 3);
    }
    const QImage page = Drawn(400, 400, [&](PageCanvas& canvas) { canvas.DrawPicture({100, 50, 300, 250}, picture); });
    EXPECT_EQ(InkBounds(page), QRect(100, 50, 200, 200));
    EXPECT_EQ(page.pixel(200, 60), qRgb(255, 0, 0));
    EXPECT_EQ(page.pixel(200, 240), qRgb(0, 0, 255));
}

}  // namespace
