#pragma once

#include <QBrush>
#include <QPolygonF>

class QPainter;

// Fills a polygon of a demo scene without an outline. The polygon is first cut
// to the picture: ground near the camera projects to coordinates far outside
// it, which the antialiased rasteriser would otherwise walk in full.
void FillScenePolygon(QPainter& painter, const QPolygonF& polygon, const QBrush& brush);
