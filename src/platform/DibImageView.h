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
// differs), the right way up, from a 32-bit copy made for the call: Qt
// scales those several times faster than the 24-bit view. A picture painted
// again and again keeps its copy in a CUprightPicture instead.
void PaintDibImage(QPainter& painter, const QRectF& target, const CDibImage& dib);
// The same for a copy already made.
void PaintUprightPicture(QPainter& painter, const QRectF& target, const QImage& picture);
