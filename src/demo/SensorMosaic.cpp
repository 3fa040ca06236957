#include "demo/SensorMosaic.h"

#include "demo/DemoRandom.h"

#include <algorithm>
#include <array>

namespace {

// 0 blue, 1 green, 2 red.
int Channel(QRgb pixel, int channel)
{
    return channel == 0 ? qBlue(pixel) : channel == 1 ? qGreen(pixel) : qRed(pixel);
}

}  // namespace

std::vector<uint16_t> SensorMosaic::Encode(const QImage& picture, const ColourGains& gains,
                                           std::uint64_t noiseSeed)
{
    const int width = picture.width();
    const int height = picture.height();
    std::vector<uint16_t> samples(static_cast<std::size_t>(width) * height);
    // Levels per drawn step for blue, green and red.
    const std::array<double, 3> scale{LevelsPerStep / gains.Blue, LevelsPerStep / gains.Green,
                                      LevelsPerStep / gains.Red};
    DemoRandom noise(noiseSeed);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        uint16_t* out = samples.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            // Even rows: blue, green; odd rows: green, red.
            const int channel = (y & 1) + (x & 1);  // 0 blue, 1 green, 2 red
            const double drawn = x < CoveredFromColumn ? Channel(row[x], channel) * scale[channel] : 0.0;
            const int level = BlackLevel + static_cast<int>(drawn) + static_cast<int>(noise.Next() % 13) - 6;
            out[x] = static_cast<uint16_t>(std::clamp(level, 0, 4095));
        }
    }
    return samples;
}
