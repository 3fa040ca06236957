#include "platform/DibImageView.h"

#include <QPainter>
#include <QRectF>

#include <cstring>

namespace {

// Qt's smooth scaling fetches 24-bit pixels several times slower than 32-bit
// ones; one pass into 32-bit pixels, top row first, costs less than the
// difference and leaves no flip for the painter to do. Each pixel is read as
// a little-endian word, blue in its low byte as in QRgb, whose top byte (the
// next pixel's, or the picture's read slack past its last row) is replaced
// by the opaque alpha.
QImage UprightImage(const CDibImage& dib)
{
    static_assert(CDibImage::PixelReadSlack >= 1 && Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
    QImage upright(dib.Width(), dib.Height(), QImage::Format_RGB32);
    for (int y = 0; y < dib.Height(); ++y) {
        const uint8_t* source = dib.TopDownRow(y);
        auto* target = reinterpret_cast<QRgb*>(upright.scanLine(y));
        for (int x = 0; x < dib.Width(); ++x, source += 3) {
            quint32 word;
            std::memcpy(&word, source, sizeof word);
            target[x] = word | 0xFF000000u;
        }
    }
    return upright;
}

}  // namespace

QImage DibImageView(const CDibImage& dib)
{
    if (!dib.Bits())
        return {};
    return QImage(dib.Bits(), dib.Width(), dib.Height(), dib.Stride(), QImage::Format_BGR888);
}

void PaintDibImage(QPainter& painter, const QRectF& target, const CDibImage& dib)
{
    if (!dib.Bits())
        return;
    painter.save();
    // Stretched pictures are smoothed; at their own size they are copied exactly.
    if (target.size() != QSizeF(dib.Width(), dib.Height()))
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, UprightImage(dib));
    painter.restore();
}
