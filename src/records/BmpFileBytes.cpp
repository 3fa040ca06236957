#include "records/BmpFileBytes.h"

#include "records/LittleEndian.h"

#include <cstddef>

std::string BmpFileBytes(std::int32_t width, std::int32_t height, const std::vector<std::uint8_t>& pixels,
                         const std::string& gap)
{
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(width);
    const std::size_t stride = (rowBytes + 3) & ~std::size_t{3};
    const std::size_t pixelOffset = 54 + gap.size();
    std::string bytes(pixelOffset + stride * static_cast<std::size_t>(height), '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLittle32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    PutLittle32(bytes, 10, static_cast<std::uint32_t>(pixelOffset));
    PutLittle32(bytes, 14, 40);
    PutLittle32(bytes, 18, static_cast<std::uint32_t>(width));
    PutLittle32(bytes, 22, static_cast<std::uint32_t>(height));
    PutLittle16(bytes, 26, 1);   // planes
    PutLittle16(bytes, 28, 24);  // bits per pixel
    PutLittle32(bytes, 34, static_cast<std::uint32_t>(stride * static_cast<std::size_t>(height)));
    bytes.replace(54, gap.size(), gap);
    for (std::int32_t y = 0; y < height; ++y) {
        // Bottom-up: the picture's top row is the last row in the file.
        const std::size_t row = pixelOffset + stride * static_cast<std::size_t>(height - 1 - y);
        const std::size_t source = rowBytes * static_cast<std::size_t>(y);
        for (std::size_t x = 0; x < rowBytes && source + x < pixels.size(); ++x)
            bytes[row + x] = static_cast<char>(pixels[source + x]);
    }
    return bytes;
}
