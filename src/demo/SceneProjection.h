#pragma once

#include <QPointF>
#include <QPolygonF>

// A camera of the demo scenes: a pinhole CameraHeight metres above the road at
// (CameraX, CameraZ), looking along the road, with the horizon at image row
// Horizon. World X runs to the right, Y up from the road and Z along the
// approach, all in metres; the stop line's far edge lies at Z = 0.
struct SceneProjection {
    double CentreX = 0.0;
    double Horizon = 0.0;
    double Focal = 1.0;  // pixels per metre at 1 m
    double CameraHeight = 1.0;
    double CameraX = 0.0;
    double CameraZ = 0.0;

    // Depths closer than this are not drawn.
    static constexpr double NearDepth = 0.5;

    QPointF Project(double x, double y, double z) const;
    // How far ahead of the camera a world depth lies.
    double Depth(double z) const { return z - CameraZ; }
    // The ground quadrilateral x0..x1, z0..z1, cut at the near depth; empty
    // when it lies wholly behind it.
    QPolygonF Ground(double x0, double x1, double z0, double z1) const;
    // The upright rectangle x0..x1, y0..y1 facing the camera at depth z.
    QPolygonF Upright(double x0, double x1, double y0, double y1, double z) const;
};
