#pragma once

#include <string>

class CDibImage;

// The picture as the bytes of a PNG file; empty when it cannot be encoded.
std::string PngBytes(const CDibImage& picture);
