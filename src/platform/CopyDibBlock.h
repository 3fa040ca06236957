#pragma once

#include <QPoint>
#include <QSize>
#include <QtGlobal>

class CDibImage;

// Copies the block of dib at from (counted from its top row) of the given
// size into 32-bit opaque pixels, as QImage's RGB32 and premultiplied
// formats hold them, top row first at target, rows targetStride bytes apart.
// The block must lie inside the picture. A large block is shared out like
// the rendering that made the picture.
void CopyDibBlock(const CDibImage& dib, QPoint from, QSize size, uchar* target, qsizetype targetStride);
