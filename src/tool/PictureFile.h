#pragma once

#include <string>

class CDibImage;

enum class PictureFormat { Ppm, Png };

// By the path's extension, ".ppm" or ".png" in any case; nothing for another.
bool PictureFormatFor(const std::string& path, PictureFormat& format);

// A binary PPM ("P6", maxval 255, top row first, red, green, blue).
std::string PpmBytes(const CDibImage& picture);

// Writes the picture in the format, replacing the file only when it was
// written whole; false when it could not be.
bool WritePictureFile(const CDibImage& picture, PictureFormat format, const std::string& path);
