#include "BmpFileWriter.h"

#include "TempDir.h"

namespace testsupport {

namespace {

void Put32(std::string& bytes, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string BmpFileBytes(const BmpFile& file)
{
    const size_t stride = (3 * size_t(file.width) + 3) & ~size_t{3};
    const size_t pixelOffset = 54 + file.infoText.size();
    std::string bytes(pixelOffset + stride * file.height, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 2, static_cast<uint32_t>(bytes.size()));
    Put32(bytes, 10, static_cast<uint32_t>(pixelOffset));
    Put32(bytes, 14, 40);
    Put32(bytes, 18, static_cast<uint32_t>(file.width));
    Put32(bytes, 22, static_cast<uint32_t>(file.height));
    bytes[26] = 1;
    bytes[28] = 24;
    Put32(bytes, 34, static_cast<uint32_t>(stride * file.height));
    bytes.replace(54, file.infoText.size(), file.infoText);
    for (int32_t y = 0; y < file.height; ++y) {
        // Bottom-up: the picture's top row is the last row in the file.
        const size_t row = pixelOffset + stride * size_t(file.height - 1 - y);
        for (size_t x = 0; x < 3 * size_t(file.width); ++x) {
            const size_t source = 3 * size_t(y) * file.width + x;
            if (source < file.pixels.size())
                bytes[row + x] = static_cast<char>(file.pixels[source]);
        }
    }
    return bytes;
}

void WriteBmpFile(const std::string& path, const BmpFile& file)
{
    WriteFile(path, BmpFileBytes(file));
}

}  // namespace testsupport
