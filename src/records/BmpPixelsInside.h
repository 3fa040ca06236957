#pragma once

#include <string_view>

// True when bytes are a Windows bitmap file ("BM") whose pixel data, as its
// headers announce it (rows of the stated width, depth and height from the
// stated offset, or the stated image size for compressed pixels), lies wholly
// inside bytes. A reader that fills what is missing would otherwise show a
// file cut short as a picture.
bool BmpPixelsInside(std::string_view bytes);
