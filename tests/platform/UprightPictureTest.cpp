#include "platform/CScaledPicture.h"
#include "platform/CUprightPicture.h"
#include "platform/DibImageView.h"
#include "platform/PaintDibUnscaled.h"
#include "platform/ScaleDibSmooth.h"

#include "imaging/CDibImage.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>

namespace {

// Every byte different, so a pixel taken from the wrong place or a channel
// swapped shows.
std::shared_ptr<CDibImage> Picture(int width, int height)
{
    auto dib = std::make_shared<CDibImage>();
    if (!dib->Create(width, height))
        return dib;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 3 * width; ++x)
            dib->TopDownRow(y)[x] = static_cast<uint8_t>(x * 7 + y * 31 + 1);
    return dib;
}

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

// Targets the rows are copied straight into and one that takes the slow way;
// the painter moved, and bounds that cut the picture on every side, so that
// a pixel written outside them or off by one shows.
TEST(PaintDibUnscaled, PaintsTheUprightPictureWithinTheBoundsOnly)
{
    const auto picture = Picture(37, 21);
    const CDibImage& dib = *picture;
    const QImage upright = DibImageView(dib).mirrored(false, true).convertToFormat(QImage::Format_RGB32);
    const QRgb untouched = qRgb(255, 0, 255);
    const struct { QImage::Format format; QPoint translation, at; QRect bounds; } rows[] = {
        {QImage::Format_RGB32, {0, 0}, {0, 0}, {0, 0, 64, 48}},
        {QImage::Format_ARGB32_Premultiplied, {3, 5}, {2, 1}, {4, 3, 30, 12}},
        {QImage::Format_RGB32, {-10, -4}, {11, 6}, {13, 7, 33, 19}},
        {QImage::Format_RGB888, {3, 5}, {2, 1}, {4, 3, 30, 12}},
    };
    for (const auto& row : rows) {
        QImage target(64, 48, row.format);
        target.fill(untouched);
        {
            QPainter painter(&target);
            painter.translate(row.translation);
            PaintDibUnscaled(painter, row.at, dib, row.bounds);
        }
        const QRect painted = (row.bounds & QRect(row.at, upright.size())).translated(row.translation);
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x) {
                const QPoint source = QPoint(x, y) - row.translation - row.at;
                const QRgb expected = painted.contains(x, y) ? upright.pixel(source) : untouched;
                ASSERT_EQ(target.pixel(x, y), expected) << row.format << ": " << x << ", " << y;
            }
    }
}

// Widths on both sides of the four-pixel steps and their plain tail.
TEST(CUprightPicture, CopiesEveryPixelUprightAndOpaque)
{
    CUprightPicture upright;
    for (const int width : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 64, 1144}) {
        const std::shared_ptr<CDibImage> dib = Picture(width, 3);
        upright.CopyFrom(*dib);
        const QImage expected = DibImageView(*dib).mirrored(false, true).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(upright.Image().size(), expected.size()) << width;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(upright.Image().pixel(x, y), expected.pixel(x, y)) << width << ": " << x << ", " << y;
    }
    upright.CopyFrom(CDibImage());
    EXPECT_TRUE(upright.Image().isNull());
}

// Qt's smooth drawing of the flipped picture, the look the thumbnails had.
QImage PaintedSmooth(const CDibImage& dib, QSize size)
{
    QImage painted(size, QImage::Format_RGB32);
    QPainter painter(&painted);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(0, size.height());
    painter.scale(1.0, -1.0);
    painter.drawImage(QRectF(QPointF(), size), DibImageView(dib));
    return painted;
}

int Farthest(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Shrunk a little and a lot, stretched, and left as it is; gradients with a
// steep stripe pattern, so that a sample taken a pixel off shows.
TEST(ScaleDibSmooth, BlendsAsASmoothPainterDoes)
{
    const struct { QSize picture, size; } rows[] = {
        {{1033, 779}, {140, 140}}, {{40, 30}, {29, 17}}, {{5, 5}, {96, 96}}, {{37, 21}, {37, 21}}, {{1, 1}, {3, 2}}};
    for (const auto& row : rows) {
        CDibImage dib;
        ASSERT_TRUE(dib.Create(row.picture.width(), row.picture.height()));
        for (int y = 0; y < dib.Height(); ++y)
            for (int x = 0; x < dib.Width(); ++x) {
                std::uint8_t* pixel = dib.TopDownRow(y) + 3 * x;
                pixel[0] = static_cast<std::uint8_t>(255 * x / dib.Width());
                pixel[1] = static_cast<std::uint8_t>(255 * y / dib.Height());
                pixel[2] = static_cast<std::uint8_t>((x + y) % 7 * 30);
            }
        const QImage scaled = ScaleDibSmooth(dib, row.size);
        const QImage expected = PaintedSmooth(dib, row.size);
        ASSERT_EQ(scaled.size(), row.size);
        int farthest = 0;
        for (int y = 0; y < row.size.height(); ++y)
            for (int x = 0; x < row.size.width(); ++x)
                farthest = std::max(farthest, Farthest(scaled.pixel(x, y), expected.pixel(x, y)));
        // Qt blends with coarser weights; a sample a pixel off is tens away.
        EXPECT_LE(farthest, 3) << row.picture.width() << " to " << row.size.width();
    }
}

TEST(CScaledPicture, ScalesAgainOnlyForAnotherPictureOrSize)
{
    const std::shared_ptr<const CDibImage> first = Picture(40, 30), second = Picture(40, 30);
    CScaledPicture scaled;
    const qint64 made = scaled.Scaled(first, QSize(8, 6)).cacheKey();
    EXPECT_EQ(scaled.Scaled(first, QSize(8, 6)).cacheKey(), made) << "the same picture at the same size";
    EXPECT_EQ(scaled.Scaled(first, QSize(4, 3)).size(), QSize(4, 3));
    EXPECT_NE(scaled.Scaled(second, QSize(4, 3)).cacheKey(), scaled.Scaled(first, QSize(4, 3)).cacheKey());
}

}  // namespace
