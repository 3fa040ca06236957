#pragma once

#include "demo/DemoPlan.h"
#include "demo/SceneLighting.h"
#include "demo/SceneProjection.h"

#include <QColor>
#include <QPolygonF>
#include <QRectF>

class QPainter;

// Draws a car seen from behind as a few boxes: body, cabin with its rear
// window, wheels, tail lights and a number plate that can be read close up.
class CarPainter {
public:
    static constexpr double Length = 4.4;  // metres, rear to front

    CarPainter(QPainter& painter, const SceneProjection& projection, const SceneLighting& lighting);

    // The car with its rear at world depth rearZ and its middle at world x centreX.
    void Paint(const DemoCar& car, double centreX, double rearZ) const;

private:
    void Fill(const QPolygonF& polygon, const QColor& colour) const;
    void PaintBody(const DemoCar& car, double centreX, double rearZ) const;
    void PaintCabin(const DemoCar& car, double centreX, double rearZ) const;
    void PaintRear(const DemoCar& car, double centreX, double rearZ) const;
    void PaintTailLight(double x0, double x1, double rearZ) const;
    void PaintPlate(const DemoCar& car, double centreX, double rearZ) const;
    void PaintPlateText(const QRectF& area, const QString& text) const;
    QColor Body(const DemoCar& car, double factor) const;

    QPainter& painter_;
    const SceneProjection& projection_;
    const SceneLighting& lighting_;
};
