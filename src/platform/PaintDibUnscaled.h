#pragma once

#include <QPoint>
#include <QRect>

class CDibImage;
class QPainter;

// Draws the part of dib that falls within bounds (both in the painter's
// coordinates) upright at its own size, its top-left pixel at at. Where the
// painter draws into a 32-bit image of its own without scaling (a window's
// back buffer, a capture), the rows are copied straight into that image:
// one pass over the pixels shown, with no upright copy of the whole picture
// in between. Any other painter gets the same pixels the slow way.
void PaintDibUnscaled(QPainter& painter, QPoint at, const CDibImage& dib, const QRect& bounds);
