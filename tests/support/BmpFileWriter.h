#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// A 24-bit bottom-up Windows bitmap as a general-view frame: a 14-byte file
// header, a 40-byte info header, then `infoText` in the gap before the pixels.
struct BmpFile {
    int32_t width = 4;
    int32_t height = 4;
    // Blue, green, red per pixel, top row first, no padding; empty means black.
    std::vector<uint8_t> pixels;
    std::string infoText;
};

std::string BmpFileBytes(const BmpFile& file);
void WriteBmpFile(const std::string& path, const BmpFile& file);

}  // namespace testsupport
