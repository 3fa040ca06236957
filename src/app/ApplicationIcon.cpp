#include "app/ApplicationIcon.h"

#include <QPainter>
#include <QPixmap>

namespace {

// The drawing is kept as shapes on a 16-unit square so that the painted sizes
// and the SVG cannot drift apart.
constexpr qreal Units = 16.0;

struct IconShape {
    QRectF box;
    qreal cornerRadius;  // 0 for an ellipse
    QColor colour;
};

const IconShape Shapes[] = {
    {{4, 0.5, 8, 15}, 2, QColor(40, 40, 44)},
    {{5.5, 1.75, 5, 4}, 0, QColor(230, 30, 30)},
    {{5.5, 6.25, 5, 4}, 0, QColor(90, 70, 20)},
    {{5.5, 10.75, 5, 4}, 0, QColor(20, 70, 30)},
};

}  // namespace

QImage ApplicationIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.scale(size / Units, size / Units);
    for (const IconShape& shape : Shapes) {
        painter.setBrush(shape.colour);
        if (shape.cornerRadius > 0)
            painter.drawRoundedRect(shape.box, shape.cornerRadius, shape.cornerRadius);
        else
            painter.drawEllipse(shape.box);
    }
    return image;
}

QString ApplicationIconSvg()
{
    QString svg = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 16 16\">\n");
    for (const IconShape& shape : Shapes) {
        const QRectF& box = shape.box;
        const QString fill = shape.colour.name();
        if (shape.cornerRadius > 0) {
            svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\"/>\n")
                       .arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height())
                       .arg(shape.cornerRadius).arg(fill);
        } else {
            svg += QStringLiteral("  <ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\" fill=\"%5\"/>\n")
                       .arg(box.center().x()).arg(box.center().y())
                       .arg(box.width() / 2).arg(box.height() / 2).arg(fill);
        }
    }
    svg += QStringLiteral("</svg>\n");
    return svg;
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(ApplicationIconImage(size)));
    return icon;
}
