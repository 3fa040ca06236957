#pragma once

#include <QImage>
#include <QSize>

class CDibImage;

// The whole of dib stretched or shrunk to size, upright, in opaque 32-bit
// pixels: each the bilinear blend of the four pixels around the point it
// stands for, as a smooth QPainter draws it, without a thread of Qt's pool
// taking a core from the thumbnail loader. A picture already of that size is
// only copied. Null without pixels or for an empty size.
QImage ScaleDibSmooth(const CDibImage& dib, QSize size);
