#include "demo/PictureBmpBytes.h"

#include "records/BmpFileBytes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

std::string PictureBmpBytes(const QImage& picture, const std::string& infoText)
{
    std::vector<std::uint8_t> pixels;
    pixels.reserve(3 * static_cast<std::size_t>(picture.width()) * static_cast<std::size_t>(picture.height()));
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            pixels.insert(pixels.end(), {static_cast<std::uint8_t>(qBlue(row[x])),
                                         static_cast<std::uint8_t>(qGreen(row[x])),
                                         static_cast<std::uint8_t>(qRed(row[x]))});
    }
    std::string gap = infoText;
    gap.resize((infoText.size() + 1 + 3) & ~std::size_t{3}, '\0');
    return BmpFileBytes(picture.width(), picture.height(), pixels, gap);
}
