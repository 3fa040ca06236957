#include "platform/DibImageView.h"

#include <QPainter>
#include <QRectF>

QImage DibImageView(const CDibImage& dib)
{
    if (!dib.Bits())
        return {};
    return QImage(dib.Bits(), dib.Width(), dib.Height(), dib.Stride(), QImage::Format_BGR888);
}

void PaintUprightPicture(QPainter& painter, const QRectF& target, const QImage& picture)
{
    if (picture.isNull())
        return;
    painter.save();
    // Stretched pictures are smoothed; at their own size they are copied exactly.
    if (target.size() != QSizeF(picture.size()))
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    painter.restore();
}
