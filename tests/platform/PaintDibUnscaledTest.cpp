#include "platform/PaintDibUnscaled.h"

#include "imaging/CDibImage.h"
#include "platform/DibImageView.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// Every byte different, so a pixel taken from the wrong place or a channel
// swapped shows.
CDibImage Picture(int width, int height)
{
    CDibImage dib;
    if (dib.Create(width, height))
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < 3 * width; ++x)
                dib.TopDownRow(y)[x] = static_cast<uint8_t>(x * 7 + y * 31 + 1);
    return dib;
}

// Targets the rows are copied straight into and one that takes the slow way;
// the painter moved, and bounds that cut the picture on every side, so that
// a pixel written outside them or off by one shows.
TEST(PaintDibUnscaled, PaintsTheUprightPictureWithinTheBoundsOnly)
{
    const CDibImage dib = Picture(37, 21);
    const QImage upright = DibImageView(dib).mirrored(false, true).convertToFormat(QImage::Format_RGB32);
    const QRgb untouched = qRgb(255, 0, 255);
    struct Row {
        QImage::Format format;
        QPoint translation;
        QPoint at;
        QRect bounds;
    };
    const Row rows[] = {
        {QImage::Format_RGB32, {0, 0}, {0, 0}, {0, 0, 64, 48}},
        {QImage::Format_ARGB32_Premultiplied, {3, 5}, {2, 1}, {4, 3, 30, 12}},
        {QImage::Format_RGB32, {-10, -4}, {11, 6}, {13, 7, 33, 19}},
        {QImage::Format_RGB888, {3, 5}, {2, 1}, {4, 3, 30, 12}},
    };
    for (const Row& row : rows) {
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

}  // namespace
