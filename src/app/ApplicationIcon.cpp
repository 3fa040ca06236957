#include "app/ApplicationIcon.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap PaintIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 16.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 44));
    painter.drawRoundedRect(QRectF(4 * unit, 0.5 * unit, 8 * unit, 15 * unit), 2 * unit, 2 * unit);
    const QColor lights[] = {QColor(230, 30, 30), QColor(90, 70, 20), QColor(20, 70, 30)};
    for (int row = 0; row < 3; ++row) {
        painter.setBrush(lights[row]);
        painter.drawEllipse(QRectF(5.5 * unit, (1.75 + 4.5 * row) * unit, 5 * unit, 4 * unit));
    }
    return pixmap;
}

}  // namespace

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(PaintIcon(size));
    return icon;
}
