#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// A general-view frame as a test describes it, written by BmpFileBytes with
// the info text as the whole gap before the pixels.
struct BmpFile {
    int32_t width = 4;
    int32_t height = 4;
    // Blue, green, red per pixel, top row first, no padding; empty means black.
    std::vector<uint8_t> pixels;
    std::string infoText;
};

void WriteBmpFile(const std::string& path, const BmpFile& file);

}  // namespace testsupport
