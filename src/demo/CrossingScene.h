#pragma once

#include "demo/DemoPlan.h"
#include "demo/SceneLighting.h"
#include "demo/SceneProjection.h"

#include <QColor>
#include <QPolygonF>

#include <cstdint>
#include <vector>

class QPainter;

// The crossing of every demo record, one world for the general view and the
// lane cameras: three approach lanes with their stop line, the cross road with
// zebra crossings, houses beyond, the signal showing red, and the record's
// cars where they are at a moment.
class CrossingScene {
public:
    CrossingScene(QPainter& painter, const SceneProjection& projection, const SceneLighting& lighting);

    // The scene at a moment given in milliseconds after the red light.
    void Paint(const DemoRecord& record, std::int64_t msAfterRed) const;

    // The world x of a lane's middle: 1 left, 2 middle, 3 right.
    static double LaneCentre(int lane);
    // The world depth of a car's front: a violator passes the stop line at
    // its crossing moment, the others wait before it.
    static double CarFront(const DemoCar& car, std::int64_t msAfterRed);

private:
    void Fill(const QPolygonF& polygon, const QColor& colour) const;
    void PaintSky() const;
    void PaintHouses(int unit) const;
    void PaintHouse(double x0, double x1, double height, int seed) const;
    void PaintGround() const;
    void PaintMarkings() const;
    void PaintDashes(double x, double z0, double z1) const;
    void PaintZebra(double z0, double z1) const;
    void PaintHeadlights(const std::vector<DemoCar>& cars, std::int64_t msAfterRed) const;
    void PaintSignals() const;
    void PaintSignalHead(double x0, double x1, double y0, double y1, double z) const;
    void PaintLamp(double x, double y, double z, const QColor& colour, bool lit) const;
    void PaintCars(const std::vector<DemoCar>& cars, std::int64_t msAfterRed, bool far) const;

    QPainter& painter_;
    const SceneProjection& projection_;
    const SceneLighting& lighting_;
};
