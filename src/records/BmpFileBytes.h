#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A 24-bit bottom-up Windows bitmap file as a general-view frame is stored: a
// 14-byte file header, a 40-byte info header, then `gap` (where a frame keeps
// its info text) and the pixel rows, each padded to four bytes.
// pixels: blue, green, red per pixel, top row first, no padding; those missing
// are black.
std::string BmpFileBytes(std::int32_t width, std::int32_t height, const std::vector<std::uint8_t>& pixels,
                         const std::string& gap);
