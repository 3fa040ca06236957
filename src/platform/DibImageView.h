#pragma once

#include "imaging/CDibImage.h"

#include <QImage>

class QPainter;
class QRectF;

// A QImage over the pixel memory of dib, no copy made: rows in memory order,
// so the picture appears upside down (QImage takes no negative row pitch).
// Valid while dib keeps its pixels; null when it has none.
QImage DibImageView(const CDibImage& dib);

// Draws the whole picture stretched into target (smoothly when its size
// differs), the right way up: the view is painted through a vertical flip instead of being
// copied row by row.
void PaintDibImage(QPainter& painter, const QRectF& target, const CDibImage& dib);
