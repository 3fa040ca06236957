#include "demo/CrossingScene.h"

#include "demo/CarPainter.h"
#include "demo/ScenePaint.h"

#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

namespace {

constexpr double LaneWidth = 3.5;
constexpr double ApproachLeft = -12.25;  // the two opposing lanes lie left of the approach
constexpr double ApproachRight = 5.25;
constexpr double StopLineDepth = 0.5;
constexpr double CrossRoadNear = 5.0;
constexpr double CrossRoadFar = 19.0;
constexpr double SignalDepth = 4.6;
constexpr double HouseDepth = 45.0;
constexpr double Far = 240.0;
constexpr double Behind = -80.0;

}  // namespace

CrossingScene::CrossingScene(QPainter& painter, const SceneProjection& projection, const SceneLighting& lighting)
    : painter_(painter), projection_(projection), lighting_(lighting)
{
}

double CrossingScene::LaneCentre(int lane)
{
    return (lane - 2) * LaneWidth;
}

double CrossingScene::CarFront(const DemoCar& car, std::int64_t msAfterRed)
{
    if (!car.Violates)
        return -1.2;
    return car.Speed * static_cast<double>(msAfterRed - car.CrossingMs) / 1000.0;
}

void CrossingScene::Paint(const DemoRecord& record, std::int64_t msAfterRed) const
{
    painter_.setRenderHint(QPainter::Antialiasing);
    PaintSky();
    PaintGround();
    PaintHouses(record.Unit);
    PaintMarkings();
    PaintHeadlights(record.Cars, msAfterRed);
    PaintCars(record.Cars, msAfterRed, true);
    PaintSignals();
    PaintCars(record.Cars, msAfterRed, false);
}

void CrossingScene::Fill(const QPolygonF& polygon, const QColor& colour) const
{
    FillScenePolygon(painter_, polygon, colour);
}

void CrossingScene::PaintSky() const
{
    const double width = painter_.device()->width();
    QLinearGradient sky(0, 0, 0, projection_.Horizon);
    sky.setColorAt(0, lighting_.Night() ? QColor(4, 6, 20) : QColor(112, 160, 214));
    sky.setColorAt(1, lighting_.Night() ? QColor(18, 24, 46) : QColor(202, 216, 232));
    // The whole picture: past the horizon the sky's last colour fills what lies beyond the ground.
    painter_.fillRect(QRectF(0, 0, width, painter_.device()->height()), sky);
}

void CrossingScene::PaintHouses(int unit) const
{
    double x = -90.0 + 3.0 * unit;
    for (int house = 0; x < 90.0; ++house) {
        const int seed = house * 7 + unit * 13;
        const double width = 9.0 + seed % 5 * 2.0;
        PaintHouse(x, x + width, 9.0 + (seed * 5) % 11, seed);
        x += width + 1.0;
    }
}

void CrossingScene::PaintHouse(double x0, double x1, double height, int seed) const
{
    static constexpr int Walls[][3] = {{196, 176, 150}, {168, 160, 152}, {210, 200, 180}, {150, 120, 100}};
    const int* wall = Walls[seed % 4];
    Fill(projection_.Upright(x0, x1, 0.0, height, HouseDepth), lighting_.Surface(wall[0], wall[1], wall[2]));
    for (double y = 1.5; y + 1.6 < height; y += 3.0) {
        for (double x = x0 + 1.0; x + 1.2 < x1; x += 2.5) {
            const bool lit = lighting_.Night() && static_cast<int>(x * 3 + y * 7 + seed) % 3 == 0;
            Fill(projection_.Upright(x, x + 1.2, y, y + 1.5, HouseDepth - 0.01),
                 lit ? SceneLighting::Lamp(250, 206, 120) : lighting_.Surface(70, 84, 100));
        }
    }
}

void CrossingScene::PaintGround() const
{
    Fill(projection_.Ground(-300, 300, Behind, Far), lighting_.Surface(150, 147, 140));
    const QColor asphalt = lighting_.Surface(88, 90, 94);
    Fill(projection_.Ground(ApproachLeft, ApproachRight, Behind, CrossRoadNear), asphalt);
    Fill(projection_.Ground(-300, 300, CrossRoadNear, CrossRoadFar), lighting_.Surface(82, 84, 88));
    Fill(projection_.Ground(ApproachLeft, ApproachRight, CrossRoadFar, HouseDepth), asphalt);
}

void CrossingScene::PaintMarkings() const
{
    const QColor paint = lighting_.Surface(228, 228, 222);
    // Lane lines: solid near the stop line, dashed further back and beyond the crossing.
    for (const double x : {-LaneWidth / 2, LaneWidth / 2}) {
        Fill(projection_.Ground(x - 0.07, x + 0.07, -20.0, -StopLineDepth), paint);
        PaintDashes(x, Behind, -20.0);
        PaintDashes(x, CrossRoadFar + 5.0, HouseDepth);
    }
    PaintDashes(ApproachLeft + LaneWidth, Behind, -StopLineDepth);
    for (const double x : {ApproachRight - 3 * LaneWidth - 0.2, ApproachRight - 3 * LaneWidth + 0.08})
        Fill(projection_.Ground(x, x + 0.12, Behind, -StopLineDepth), paint);
    Fill(projection_.Ground(ApproachLeft + 2 * LaneWidth, ApproachRight, -StopLineDepth, 0.0), paint);
    PaintZebra(1.0, 4.0);
    PaintZebra(CrossRoadFar + 1.0, CrossRoadFar + 4.0);
}

void CrossingScene::PaintDashes(double x, double z0, double z1) const
{
    const QColor paint = lighting_.Surface(228, 228, 222);
    for (double z = z0; z < z1; z += 9.0)
        Fill(projection_.Ground(x - 0.07, x + 0.07, z, std::min(z + 3.0, z1)), paint);
}

void CrossingScene::PaintZebra(double z0, double z1) const
{
    const QColor paint = lighting_.Surface(228, 228, 222);
    for (double x = ApproachLeft + 0.25; x + 0.5 < ApproachRight; x += 1.0)
        Fill(projection_.Ground(x, x + 0.5, z0, z1), paint);
}

void CrossingScene::PaintHeadlights(const std::vector<DemoCar>& cars, std::int64_t msAfterRed) const
{
    if (!lighting_.Night())
        return;
    for (const DemoCar& car : cars) {
        const double x = LaneCentre(car.Lane);
        const double front = CarFront(car, msAfterRed);
        const QPolygonF beam({projection_.Project(x - 0.8, 0, front), projection_.Project(x + 0.8, 0, front),
                              projection_.Project(x + 2.4, 0, front + 14), projection_.Project(x - 2.4, 0, front + 14)});
        if (projection_.Depth(front) > SceneProjection::NearDepth)
            Fill(beam, SceneLighting::Lamp(255, 236, 190, 46));
    }
}

void CrossingScene::PaintSignals() const
{
    const QColor metal = lighting_.Surface(96, 98, 102);
    const double pole = ApproachRight + 1.2;
    Fill(projection_.Upright(pole - 0.1, pole + 0.1, 0.0, 6.4, SignalDepth), metal);
    Fill(projection_.Upright(0.0, pole, 6.2, 6.4, SignalDepth), metal);
    PaintSignalHead(pole - 0.45, pole + 0.45, 3.3, 5.7, SignalDepth - 0.05);
    PaintSignalHead(-0.45, 0.45, 3.9, 6.2, SignalDepth - 0.05);
}

void CrossingScene::PaintSignalHead(double x0, double x1, double y0, double y1, double z) const
{
    Fill(projection_.Upright(x0, x1, y0, y1, z), lighting_.Surface(30, 32, 34));
    const double x = (x0 + x1) / 2;
    const double step = (y1 - y0) / 3;
    PaintLamp(x, y1 - step / 2, z - 0.01, QColor(255, 36, 24), true);
    PaintLamp(x, y1 - 1.5 * step, z - 0.01, QColor(120, 96, 20), false);
    PaintLamp(x, y1 - 2.5 * step, z - 0.01, QColor(24, 90, 48), false);
}

void CrossingScene::PaintLamp(double x, double y, double z, const QColor& colour, bool lit) const
{
    const QPointF centre = projection_.Project(x, y, z);
    const double radius = 0.3 * projection_.Focal / projection_.Depth(z);
    painter_.setPen(Qt::NoPen);
    if (lit) {
        QRadialGradient glow(centre, radius * 3);
        QColor inner = colour;
        inner.setAlpha(lighting_.Night() ? 170 : 90);
        QColor outer = colour;
        outer.setAlpha(0);
        glow.setColorAt(0, inner);
        glow.setColorAt(1, outer);
        painter_.setBrush(glow);
        painter_.drawEllipse(centre, radius * 3, radius * 3);
        painter_.setBrush(colour);
    } else {
        painter_.setBrush(lighting_.Surface(colour.red() / 2, colour.green() / 2, colour.blue() / 2));
    }
    painter_.drawEllipse(centre, radius, radius);
}

// Cars beyond the signal are drawn before it, the nearer ones after, each
// from the farthest to the nearest.
void CrossingScene::PaintCars(const std::vector<DemoCar>& cars, std::int64_t msAfterRed, bool far) const
{
    std::vector<const DemoCar*> order;
    for (const DemoCar& car : cars) {
        const double rear = CarFront(car, msAfterRed) - CarPainter::Length;
        if ((rear > SignalDepth) == far)
            order.push_back(&car);
    }
    std::sort(order.begin(), order.end(), [&](const DemoCar* a, const DemoCar* b) {
        return CarFront(*a, msAfterRed) > CarFront(*b, msAfterRed);
    });
    const CarPainter carPainter(painter_, projection_, lighting_);
    for (const DemoCar* car : order)
        carPainter.Paint(*car, LaneCentre(car->Lane), CarFront(*car, msAfterRed) - CarPainter::Length);
}
