#pragma once

#include <QImage>

#include <cstdint>
#include <string>

// A 24-bit bottom-up Windows bitmap of a Format_RGB32 picture, with the info text
// (and a terminating zero) between the bitmap header and the pixels.
std::string BmpFileBytes(const QImage& picture, const std::string& infoText);
