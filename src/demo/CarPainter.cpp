#include "demo/CarPainter.h"

#include "demo/ScenePaint.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

constexpr double HalfWidth = 0.9;
constexpr double BodyBottom = 0.28;
constexpr double BodyTop = 0.86;
constexpr double RoofTop = 1.42;
// Depths of the cabin behind the car's rear: window foot and top, windscreen top and foot.
constexpr double CabinRearFoot = 1.05;
constexpr double CabinRearTop = 1.45;
constexpr double CabinFrontTop = 2.75;
constexpr double CabinFrontFoot = 3.2;
constexpr double CabinHalfFoot = 0.78;
constexpr double CabinHalfTop = 0.68;

}  // namespace

CarPainter::CarPainter(QPainter& painter, const SceneProjection& projection, const SceneLighting& lighting)
    : painter_(painter), projection_(projection), lighting_(lighting)
{
}

void CarPainter::Paint(const DemoCar& car, double centreX, double rearZ) const
{
    // Closer than this the rear would fall behind the camera.
    if (projection_.Depth(rearZ) < 1.0)
        return;
    Fill(projection_.Ground(centreX - HalfWidth - 0.08, centreX + HalfWidth + 0.08, rearZ - 0.1,
                            rearZ + Length),
         QColor(0, 0, 0, 130));
    PaintBody(car, centreX, rearZ);
    PaintCabin(car, centreX, rearZ);
    PaintRear(car, centreX, rearZ);
}

void CarPainter::Fill(const QPolygonF& polygon, const QColor& colour) const
{
    FillScenePolygon(painter_, polygon, colour);
}

QColor CarPainter::Body(const DemoCar& car, double factor) const
{
    const auto part = [&](int value) { return std::clamp(static_cast<int>(value * factor), 0, 255); };
    return lighting_.Surface(part(car.Body.Red), part(car.Body.Green), part(car.Body.Blue));
}

void CarPainter::PaintBody(const DemoCar& car, double centreX, double rearZ) const
{
    const double front = rearZ + Length;
    // The side that faces the camera, then the lids of boot and bonnet.
    const double offset = centreX - projection_.CameraX;
    const double side = offset > 0 ? centreX - HalfWidth : centreX + HalfWidth;
    if (std::abs(offset) > HalfWidth) {
        Fill(QPolygonF({projection_.Project(side, BodyBottom, rearZ), projection_.Project(side, BodyBottom, front),
                        projection_.Project(side, BodyTop, front), projection_.Project(side, BodyTop, rearZ)}),
             Body(car, 0.72));
    }
    Fill(QPolygonF({projection_.Project(centreX - HalfWidth, BodyTop, rearZ),
                    projection_.Project(centreX + HalfWidth, BodyTop, rearZ),
                    projection_.Project(centreX + HalfWidth, BodyTop, front),
                    projection_.Project(centreX - HalfWidth, BodyTop, front)}),
         Body(car, 1.08));
}

void CarPainter::PaintCabin(const DemoCar& car, double centreX, double rearZ) const
{
    const auto at = [&](double x, double y, double depth) {
        return projection_.Project(centreX + x, y, rearZ + depth);
    };
    const QColor glass = lighting_.Surface(44, 52, 62);
    // The side windows that face the camera.
    const double offset = centreX - projection_.CameraX;
    if (std::abs(offset) > CabinHalfTop) {
        const double sign = offset > 0 ? -1.0 : 1.0;
        Fill(QPolygonF({at(sign * CabinHalfFoot, BodyTop, CabinRearFoot), at(sign * CabinHalfFoot, BodyTop, CabinFrontFoot),
                        at(sign * CabinHalfTop, RoofTop, CabinFrontTop), at(sign * CabinHalfTop, RoofTop, CabinRearTop)}),
             glass);
    }
    Fill(QPolygonF({at(-CabinHalfTop, RoofTop, CabinRearTop), at(CabinHalfTop, RoofTop, CabinRearTop),
                    at(CabinHalfTop, RoofTop, CabinFrontTop), at(-CabinHalfTop, RoofTop, CabinFrontTop)}),
         Body(car, 1.15));
    // The rear window in its frame.
    Fill(QPolygonF({at(-CabinHalfFoot, BodyTop, CabinRearFoot), at(CabinHalfFoot, BodyTop, CabinRearFoot),
                    at(CabinHalfTop, RoofTop, CabinRearTop), at(-CabinHalfTop, RoofTop, CabinRearTop)}),
         Body(car, 0.9));
    Fill(QPolygonF({at(-CabinHalfFoot + 0.08, BodyTop + 0.05, CabinRearFoot + 0.03),
                    at(CabinHalfFoot - 0.08, BodyTop + 0.05, CabinRearFoot + 0.03),
                    at(CabinHalfTop - 0.07, RoofTop - 0.05, CabinRearTop - 0.03),
                    at(-CabinHalfTop + 0.07, RoofTop - 0.05, CabinRearTop - 0.03)}),
         glass);
}

void CarPainter::PaintRear(const DemoCar& car, double centreX, double rearZ) const
{
    const QColor tyre = lighting_.Surface(22, 22, 24);
    for (const double sign : {-1.0, 1.0}) {
        const double outer = centreX + sign * (HalfWidth - 0.06);
        const double inner = centreX + sign * (HalfWidth - 0.32);
        Fill(projection_.Upright(std::min(outer, inner), std::max(outer, inner), 0.0, 0.34, rearZ + 0.7), tyre);
    }
    Fill(projection_.Upright(centreX - HalfWidth, centreX + HalfWidth, BodyBottom, BodyTop, rearZ), Body(car, 0.95));
    Fill(projection_.Upright(centreX - HalfWidth, centreX + HalfWidth, BodyBottom, BodyBottom + 0.1, rearZ),
         lighting_.Surface(48, 48, 52));
    PaintTailLight(centreX - HalfWidth + 0.05, centreX - HalfWidth + 0.4, rearZ);
    PaintTailLight(centreX + HalfWidth - 0.4, centreX + HalfWidth - 0.05, rearZ);
    PaintPlate(car, centreX, rearZ);
}

void CarPainter::PaintTailLight(double x0, double x1, double rearZ) const
{
    const QPolygonF lamp = projection_.Upright(x0, x1, 0.6, 0.8, rearZ);
    if (!lighting_.Night()) {
        Fill(lamp, QColor(150, 22, 26));
        return;
    }
    // Lit by night, with a glow around it.
    const QRectF box = lamp.boundingRect();
    QRadialGradient glow(box.center(), box.width());
    glow.setColorAt(0.0, SceneLighting::Lamp(255, 60, 40, 150));
    glow.setColorAt(1.0, SceneLighting::Lamp(255, 60, 40, 0));
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(glow);
    painter_.drawEllipse(box.center(), box.width(), box.width());
    Fill(lamp, SceneLighting::Lamp(255, 72, 56));
}

void CarPainter::PaintPlate(const DemoCar& car, double centreX, double rearZ) const
{
    const QRectF plate = projection_.Upright(centreX - 0.38, centreX + 0.38, 0.36, 0.53, rearZ).boundingRect();
    // A lamp lights the plate by night.
    const QColor white = lighting_.Night() ? SceneLighting::Lamp(208, 210, 204) : QColor(236, 236, 230);
    painter_.setPen(QPen(QColor(20, 20, 20), std::max(1.0, plate.height() * 0.04)));
    painter_.setBrush(white);
    painter_.drawRect(plate);
    const double strip = plate.width() * 0.08;
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(lighting_.Night() ? QColor(26, 44, 120) : QColor(30, 60, 160));
    painter_.drawRect(QRectF(plate.left(), plate.top(), strip, plate.height()));
    const double margin = plate.height() * 0.12;
    PaintPlateText(QRectF(plate.left() + strip + margin, plate.top() + margin,
                          plate.width() - strip - 2 * margin, plate.height() - 2 * margin),
                   QString::fromStdString(car.Plate));
}

void CarPainter::PaintPlateText(const QRectF& area, const QString& text) const
{
    if (area.height() < 3)
        return;
    QFont font("DejaVu Sans Mono");
    font.setBold(true);
    font.setPixelSize(100);
    const QFontMetricsF metrics(font);
    const QRectF bounds = metrics.tightBoundingRect(text);
    painter_.save();
    painter_.translate(area.topLeft());
    painter_.scale(area.width() / bounds.width(), area.height() / bounds.height());
    painter_.translate(-bounds.topLeft());
    painter_.setFont(font);
    painter_.setPen(QColor(18, 18, 18));
    painter_.drawText(QPointF(0, 0), text);
    painter_.restore();
}
