#include "platform/CUprightPicture.h"
#include "platform/DibImageView.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

TEST(DibImageView, SharesThePixelsAndPaintsTheRightWayUp)
{
    // Pixel (x, y from the top): red 40x, green 100y, blue 7.
    CDibImage dib;
    ASSERT_TRUE(dib.Create(3, 2));
    for (int i = 0; i < 6; ++i)
        std::copy_n(std::array<uint8_t, 3>{7, uint8_t(100 * (i / 3)), uint8_t(40 * (i % 3))}.data(), 3,
                    dib.TopDownRow(i / 3) + 3 * (i % 3));
    const QImage view = DibImageView(dib);
    EXPECT_EQ(view.constBits(), dib.Bits()) << "no copy";
    EXPECT_EQ(view.bytesPerLine(), dib.Stride());
    EXPECT_EQ(view.pixel(2, 0), qRgb(80, 100, 7)) << "memory order: the bottom row first";
    EXPECT_TRUE(DibImageView(CDibImage()).isNull());
    // No picture paints nothing; the picture itself lands the right way up.
    QImage target(3, 2, QImage::Format_RGB32);
    target.fill(Qt::white);
    CUprightPicture upright;
    QPainter painter(&target);
    upright.CopyFrom(dib);
    PaintUprightPicture(painter, QRectF(0, 0, 3, 2), upright.Image());
    upright.CopyFrom(CDibImage());
    PaintUprightPicture(painter, QRectF(0, 0, 3, 2), upright.Image());
    painter.end();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(target.pixel(i % 3, i / 3), qRgb(40 * (i % 3), 100 * (i / 3), 7)) << i;
}

}  // namespace
