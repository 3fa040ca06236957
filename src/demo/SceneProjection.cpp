#include "demo/SceneProjection.h"

#include <algorithm>

QPointF SceneProjection::Project(double x, double y, double z) const
{
    const double depth = Depth(z);
    return {CentreX + Focal * (x - CameraX) / depth, Horizon + Focal * (CameraHeight - y) / depth};
}

QPolygonF SceneProjection::Ground(double x0, double x1, double z0, double z1) const
{
    const double nearest = CameraZ + NearDepth;
    if (z1 <= nearest)
        return {};
    z0 = std::max(z0, nearest);
    return QPolygonF({Project(x0, 0, z0), Project(x1, 0, z0), Project(x1, 0, z1), Project(x0, 0, z1)});
}

QPolygonF SceneProjection::Upright(double x0, double x1, double y0, double y1, double z) const
{
    return QPolygonF({Project(x0, y0, z), Project(x1, y0, z), Project(x1, y1, z), Project(x0, y1, z)});
}
