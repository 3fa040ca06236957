// The picture view of the detailed pane: the picture at each zoom with the
// face beside it and its black frame, panning by drag, and the picture where
// a capture of the pane takes it.

#include "DetailedViewFixture.h"

#include "document/CVantrelDoc.h"

#include <QMouseEvent>

namespace {

using detailedtest::DetailedViewTest;
using shelltest::Filled;

constexpr int Zooms[] = {ID_ZOOM_FIT, ID_ZOOM_50, ID_ZOOM_75, ID_ZOOM_100, ID_ZOOM_150, ID_ZOOM_200};
const QRgb Black = qRgb(0, 0, 0);

QRgb PicturePixel(const CDibImage& picture, int x, int y)
{
    const std::uint8_t* pixel = picture.TopDownRow(y) + 3 * x;
    return qRgb(pixel[2], pixel[1], pixel[0]);
}

// A 1144 x 790 sensor gives a picture of 1033 x 779, larger than the view at
// 100 % and above. Printing takes the pane through PrintClient: the picture
// stands there as it is scrolled on the screen.
TEST_F(DetailedViewTest, DraggingPansOnlyWhereThePictureIsLargerAndACaptureShowsWhereItIsScrolled)
{
    OpenFrameOfSize(1144, 790);
    QWidget* client = View().viewport();
    const struct { int zoom; QPoint from, to, position; } rows[] = {
        {ID_ZOOM_FIT, {300, 200}, {10, 10}, {0, 0}},
        {ID_ZOOM_200, {300, 200}, {-3000, -3000}, {-1, -1}},  // to the far edges
        {ID_ZOOM_200, {10, 10}, {3000, 3000}, {0, 0}},
        {ID_ZOOM_200, {300, 200}, {250, 170}, {50, 30}},
    };
    for (const auto& row : rows) {
        window.Document->OnCommand(row.zoom);
        const QPoint last(View().horizontalScrollBar()->maximum(), View().verticalScrollBar()->maximum());
        const QPoint expected = row.position == QPoint(-1, -1) ? last : row.position;
        QTest::mousePress(client, Qt::LeftButton, {}, row.from);
        EXPECT_EQ(client->cursor().shape(), Qt::ClosedHandCursor);
        QTest::mouseMove(client, row.to);
        QTest::mouseRelease(client, Qt::LeftButton, {}, row.to);
        EXPECT_EQ(View().ScrollPosition(), expected) << row.zoom;
        EXPECT_EQ(client->cursor().shape(), Qt::ClosedHandCursor) << "the hand holds until the mouse moves";
        QMouseEvent hover(QEvent::MouseMove, QPointF(row.from), client->mapToGlobal(QPointF(row.from)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(client, &hover);
        EXPECT_EQ(client->cursor().shape(), Qt::OpenHandCursor);
        EXPECT_EQ(ScrollBarsShown(), row.zoom != ID_ZOOM_FIT) << row.zoom;
    }
    EXPECT_EQ(View().ScrollSize(), QSize(2066, 1558));
    window.Document->OnCommand(ID_ZOOM_100);
    View().horizontalScrollBar()->setValue(100);
    View().verticalScrollBar()->setValue(50);
    const QImage shot = Capture();
    const CDibImage& picture = window.Document->DetailedImage();
    for (const QPoint at : {QPoint(10, 10), QPoint(200, 150), QPoint(333, 222)})
        EXPECT_EQ(shot.pixel(ViewOrigin() + at), PicturePixel(picture, 100 + at.x(), 50 + at.y())) << at.x();
}

// A 400 x 300 sensor gives a picture of 366 x 290, smaller than the view at
// 100 %.
TEST_F(DetailedViewTest, ASmallerPictureHasItsBlackFrameAndTheFaceBesideIt)
{
    OpenFrameOfSize(400, 300);
    window.Document->OnCommand(ID_ZOOM_100);
    const QImage shot = Capture();
    const QPoint o = ViewOrigin();
    const QSize client = View().viewport()->size();
    const CDibImage& picture = window.Document->DetailedImage();
    EXPECT_EQ(shot.pixel(o + QPoint(100, 100)), PicturePixel(picture, 100, 100));
    EXPECT_TRUE(Filled(shot, QRect(o.x() + 365, o.y(), 1, 290), Black)) << "the right edge";
    EXPECT_TRUE(Filled(shot, QRect(o.x(), o.y() + 289, 366, 1), Black)) << "the bottom edge";
    EXPECT_TRUE(Filled(shot, QRect(o.x(), o.y(), 1, 290), Black)) << "the left edge";
    EXPECT_TRUE(Filled(shot, QRect(o.x() + 366, o.y(), client.width() - 366, client.height()), Face()));
    EXPECT_TRUE(Filled(shot, QRect(o.x(), o.y() + 290, client.width(), client.height() - 290), Face()));
    EXPECT_FALSE(ScrollBarsShown());
}

// A 4 x 4 sensor has no visible pixel, so no picture is ready; a 35 x 11
// sensor gives one pixel, which 50 % and 75 % shrink to nothing and whose
// frame, a line of no length at 100 %, leaves it as it is.
TEST_F(DetailedViewTest, ATinyPicturePaintsAtEveryZoom)
{
    const int onePixelScroll[] = {1, 0, 0, 1, 1, 2};  // in the order of Zooms
    for (const QSize sensor : {QSize(4, 4), QSize(35, 11)}) {
        testsupport::TempDir root;
        window.Settings.RootDirectory = root.Path();
        OpenFrameOfSize(sensor.width(), sensor.height());
        const bool ready = sensor.width() > 4;
        ASSERT_EQ(window.Document->DetailedImageReady(), ready);
        for (std::size_t i = 0; i < std::size(Zooms); ++i) {
            const int zoom = Zooms[i];
            window.Document->OnCommand(zoom);
            const QImage shot = Capture();
            const QRect client(ViewOrigin(), View().viewport()->size());
            const int scroll = ready ? onePixelScroll[i] : 1;
            EXPECT_EQ(View().ScrollSize(), QSize(scroll, scroll)) << zoom;
            EXPECT_FALSE(ScrollBarsShown()) << zoom;
            EXPECT_TRUE(Filled(shot, client.adjusted(client.width() / 2, client.height() / 2, 0, 0), Face()) ||
                        zoom == ID_ZOOM_FIT)
                << zoom;
            if (ready && zoom == ID_ZOOM_100) {
                EXPECT_EQ(shot.pixel(client.topLeft()), PicturePixel(window.Document->DetailedImage(), 0, 0));
            }
        }
    }
}

}  // namespace
