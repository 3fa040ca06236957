#pragma once

#include <QImage>

#include <string>

// A general-view frame file of a Format_RGB32 picture, with the info text and
// a terminating zero between the bitmap header and the pixels, padded so that
// the pixels start on a four-byte boundary as the unit writes them.
std::string PictureBmpBytes(const QImage& picture, const std::string& infoText);
