#include "platform/DibImageView.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// A 3 x 2 picture whose pixel (x, y from the top) is red 40x, green 100y, blue 7.
CDibImage Picture()
{
    CDibImage dib;
    EXPECT_TRUE(dib.Create(3, 2));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            uint8_t* p = dib.TopDownRow(y) + 3 * x;
            p[0] = 7;
            p[1] = static_cast<uint8_t>(100 * y);
            p[2] = static_cast<uint8_t>(40 * x);
        }
    }
    return dib;
}

TEST(DibImageView, SharesThePixelMemory)
{
    const CDibImage dib = Picture();
    const QImage view = DibImageView(dib);
    EXPECT_EQ(view.constBits(), dib.Bits());
    EXPECT_EQ(view.bytesPerLine(), dib.Stride());
    EXPECT_EQ(view.format(), QImage::Format_BGR888);
    // Memory order: the view's first row is the picture's bottom row.
    EXPECT_EQ(view.pixel(2, 0), qRgb(80, 100, 7));
    EXPECT_TRUE(DibImageView(CDibImage()).isNull());
}

TEST(DibImageView, PaintsTheRightWayUp)
{
    const CDibImage dib = Picture();
    QImage target(3, 2, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter painter(&target);
        PaintDibImage(painter, QRectF(0, 0, 3, 2), dib);
        PaintDibImage(painter, QRectF(0, 0, 3, 2), CDibImage());
    }
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(target.pixel(x, y), qRgb(40 * x, 100 * y, 7)) << x << "," << y;

    // Stretched, the top row still ends up on top.
    QImage large(6, 4, QImage::Format_RGB32);
    {
        QPainter painter(&large);
        PaintDibImage(painter, QRectF(0, 0, 6, 4), dib);
    }
    EXPECT_LT(qGreen(large.pixel(0, 0)), 50);
    EXPECT_GT(qGreen(large.pixel(0, 3)), 50);
}

}  // namespace
