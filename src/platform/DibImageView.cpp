#include "platform/DibImageView.h"

#include <QPainter>
#include <QRectF>

QImage DibImageView(const CDibImage& dib)
{
    if (!dib.Bits())
        return {};
    return QImage(dib.Bits(), dib.Width(), dib.Height(), dib.Stride(), QImage::Format_BGR888);
}

void PaintDibImage(QPainter& painter, const QRectF& target, const CDibImage& dib)
{
    const QImage view = DibImageView(dib);
    if (view.isNull())
        return;
    painter.save();
    // Stretched pictures are smoothed; at their own size they are copied exactly.
    if (target.size() != QSizeF(view.size()))
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The first row in memory is the bottom of the picture: put it at the
    // bottom edge of target and let y grow upwards.
    painter.translate(target.left(), target.bottom());
    painter.scale(1.0, -1.0);
    painter.drawImage(QRectF(0, 0, target.width(), target.height()), view);
    painter.restore();
}
