#include "demo/ScenePaint.h"

#include <QPaintDevice>
#include <QPainter>
#include <QRectF>

void FillScenePolygon(QPainter& painter, const QPolygonF& polygon, const QBrush& brush)
{
    if (polygon.isEmpty())
        return;
    const QPaintDevice* device = painter.device();
    const QRectF picture(-4, -4, device->width() + 8, device->height() + 8);
    const QPolygonF visible =
        picture.contains(polygon.boundingRect()) ? polygon : polygon.intersected(QPolygonF(picture));
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawPolygon(visible);
}
