#pragma once

#include "imaging/CDibImage.h"

class QImage;
class QString;

// Turns any picture Qt holds (every depth, palette, bit-field layout and row
// order of a ".BMP" file) into a 24-bit bottom-up CDibImage. Alpha is
// dropped. False, with no pixels in dib, for a null picture or no memory.
bool CopyFromBitmap(const QImage& bitmap, CDibImage& dib);

// Reads a picture file through the checked reader into image, in the format
// Qt decodes it to; false, with a null image, when it cannot be read, or when
// a Windows bitmap lacks pixel rows.
bool LoadImageFromFile(const QString& path, QImage& image);

// Reads a bitmap file (any format Qt reads, found by content) into dib; false
// when LoadImageFromFile fails.
bool LoadDibFromFile(const QString& path, CDibImage& dib);
