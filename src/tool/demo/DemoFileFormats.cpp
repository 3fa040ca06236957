#include "tool/demo/DemoFileFormats.h"

namespace {

void Put16(std::string& bytes, std::size_t offset, uint32_t value)
{
    bytes[offset] = static_cast<char>(value & 0xFF);
    bytes[offset + 1] = static_cast<char>(value >> 8 & 0xFF);
}

void Put32(std::string& bytes, std::size_t offset, uint32_t value)
{
    Put16(bytes, offset, value & 0xFFFF);
    Put16(bytes, offset + 2, value >> 16);
}

}  // namespace

std::string BmpFileBytes(const QImage& picture, const std::string& infoText)
{
    const auto width = static_cast<uint32_t>(picture.width());
    const auto height = static_cast<uint32_t>(picture.height());
    const uint32_t stride = (3 * width + 3) & ~3u;
    // The text and its zero, padded so that the pixels start on a 4-byte boundary.
    const uint32_t gap = (static_cast<uint32_t>(infoText.size()) + 1 + 3) & ~3u;
    const uint32_t pixelOffset = 54 + gap;
    std::string bytes(pixelOffset + stride * height, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 2, static_cast<uint32_t>(bytes.size()));
    Put32(bytes, 10, pixelOffset);
    Put32(bytes, 14, 40);
    Put32(bytes, 18, width);
    Put32(bytes, 22, height);
    Put16(bytes, 26, 1);
    Put16(bytes, 28, 24);
    Put32(bytes, 34, stride * height);
    bytes.replace(54, infoText.size(), infoText);
    for (uint32_t y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(static_cast<int>(height - 1 - y)));
        char* out = bytes.data() + pixelOffset + y * stride;
        for (uint32_t x = 0; x < width; ++x) {
            out[3 * x] = static_cast<char>(qBlue(row[x]));
            out[3 * x + 1] = static_cast<char>(qGreen(row[x]));
            out[3 * x + 2] = static_cast<char>(qRed(row[x]));
        }
    }
    return bytes;
}
