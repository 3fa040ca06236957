#pragma once

#include "imaging/CDibImage.h"

#include <QImage>

class QPainter;
class QRectF;

// A QImage over the pixel memory of dib, no copy made: rows in memory order,
// so the picture appears upside down (QImage takes no negative row pitch).
// Valid while dib keeps its pixels; null when it has none.
QImage DibImageView(const CDibImage& dib);

// Draws the whole of an upright copy (CUprightPicture) stretched into target,
// smoothly when its size differs.
void PaintUprightPicture(QPainter& painter, const QRectF& target, const QImage& picture);
