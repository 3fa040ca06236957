#include "PlainImaging.h"

#include <algorithm>
#include <cmath>

namespace plain {

uint16_t Gamma(uint16_t level, double gamma)
{
    const double x = level * (1.0 / 4095);
    double y;
    if (x > 0.018)
        y = 1.099 * std::pow(x, 1.0 / gamma) - 0.099;
    else
        y = 4.5 * x;
    if (y < 0.0)
        y = 0.0;
    if (y > 1.0)
        y = 1.0;
    return static_cast<uint16_t>(static_cast<int>(y * 4095) & 0xFFF);
}

namespace {

uint16_t LowLevel(const Frame& frame, double fraction)
{
    const double scale = 1.0 / (double(frame.width) * frame.height);
    double sum = 0;
    int level = 0;
    while (true) {
        sum += frame.histogram[level];
        if (sum * scale >= fraction || level == 4095)
            return static_cast<uint16_t>(level);
        ++level;
    }
}

uint16_t HighLevel(const Frame& frame, double fraction)
{
    const double scale = 1.0 / (double(frame.width) * frame.height);
    double sum = 0;
    int level = 4095;
    while (true) {
        sum += frame.histogram[level];
        if (sum * scale >= fraction || level == 0)
            return static_cast<uint16_t>(level);
        --level;
    }
}

struct Gains {
    double red, green, blue;
};

Gains GainsOf(int correction, uint16_t hour)
{
    if (correction == 3)
        correction = hour < 6 || hour > 20 ? 2 : 1;
    if (correction == 1)
        return {1.1, 1.0, 1.4};
    if (correction == 2)
        return {1.1, 1.0, 2.4};
    return {1.0, 1.0, 1.0};
}

struct Estimates {
    int32_t red, green, blue;
};

Estimates EstimateAt(const Frame& f, int32_t x, int32_t y, int p)
{
    const int32_t c = f.At(x, y), n = f.At(x, y - 1), s = f.At(x, y + 1);
    const int32_t e = f.At(x + 1, y), w = f.At(x - 1, y);
    const int32_t diagonals =
        f.At(x - 1, y - 1) + f.At(x + 1, y - 1) + f.At(x - 1, y + 1) + f.At(x + 1, y + 1);
    const bool redRow = y % 2 == p;
    const bool evenX = x % 2 == 0;
    if (!redRow && evenX)
        return {diagonals / 4, (n + s + e + w) / 4, c};
    if (!redRow)
        return {(n + s) / 2, (c + diagonals) / 5, (e + w) / 2};
    if (evenX)
        return {(e + w) / 2, (c + diagonals) / 5, (n + s) / 2};
    return {c, (n + s + e + w) / 4, diagonals / 4};
}

uint16_t Gained(int32_t estimate, double gain)
{
    return static_cast<uint16_t>(static_cast<int32_t>(estimate * gain + 0.5));
}

}  // namespace

void Prepare(Frame& frame, double gamma, double lowCut, double highCut)
{
    const int left = 1070, top = 12;
    const int right = std::min(frame.width - 1, 1140), bottom = std::min(frame.height - 1, 780);
    if (right <= left || bottom <= top)
        return;
    double sum = 0;
    int count = 0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            sum += frame.At(x, y) & 0xFFF;
            ++count;
        }
    }
    const int black = static_cast<int>(sum / count);
    frame.histogram.fill(0);
    for (uint16_t& sample : frame.samples) {
        int v = sample & 0xFFF;
        v = v >= black ? v - black : 0;
        if (gamma > 0.0)
            v = Gamma(static_cast<uint16_t>(v), gamma);
        sample = static_cast<uint16_t>(v);
        ++frame.histogram[v];
    }
    frame.minLevel = LowLevel(frame, lowCut);
    frame.maxLevel = HighLevel(frame, highCut);
    if (frame.minLevel > frame.maxLevel)
        frame.minLevel = frame.maxLevel;
}

Window SetWindow(const Frame& frame, uint16_t a, uint16_t b)
{
    if (a > b)
        std::swap(a, b);
    Window window;
    window.low = a >= frame.minLevel ? a : frame.minLevel;
    window.high = b <= frame.maxLevel ? b : frame.maxLevel;
    window.range = static_cast<uint16_t>(window.high - window.low + 1);
    return window;
}

Window AutoWindow(const Frame& frame, double lowFraction, double highFraction)
{
    if (lowFraction > highFraction)
        std::swap(lowFraction, highFraction);
    uint16_t low = LowLevel(frame, lowFraction);
    uint16_t high = HighLevel(frame, highFraction);
    if (low > high)
        std::swap(low, high);
    return SetWindow(frame, low, high);
}

uint8_t MapWindow(const Window& window, uint16_t value)
{
    if (value <= window.low)
        return 0;
    if (value >= window.high)
        return 255;
    return static_cast<uint8_t>((int32_t(value - window.low) * 256) / int32_t(window.range));
}

std::vector<uint8_t> RenderRows(const Frame& frame, const Window& window, const Render& render,
                                uint8_t untouched)
{
    std::vector<uint8_t> rows(size_t(3) * render.w * render.h, untouched);
    const Gains gains = GainsOf(render.correction, frame.hour);
    const int xs = std::max(render.x0, 1), ys = std::max(render.y0, 1);
    const int xe = std::min(xs + render.w, frame.width - 1);
    const int ye = std::min(ys + render.h, frame.height - 1);
    for (int y = ys; y < ye; ++y) {
        for (int x = xs; x < xe; ++x) {
            const Estimates e = EstimateAt(frame, x, y, render.bayerPhase);
            uint8_t* pixel = &rows[(size_t(y - ys) * render.w + (x - xs)) * 3];
            if (render.grey) {
                const double luma = 0.212671 * gains.red * e.red + 0.71516 * e.green +
                                    0.072169 * gains.blue * e.blue + 0.5;
                const uint8_t grey =
                    MapWindow(window, static_cast<uint16_t>(static_cast<int32_t>(luma)));
                pixel[0] = pixel[1] = pixel[2] = grey;
            } else {
                pixel[0] = MapWindow(window, Gained(e.blue, gains.blue));
                pixel[1] = MapWindow(window, Gained(e.green, gains.green));
                pixel[2] = MapWindow(window, Gained(e.red, gains.red));
            }
        }
    }
    return rows;
}

std::vector<uint8_t> Convolve(const CDibImage& picture, const int32_t* kernel, int size,
                              int divisor)
{
    const uint8_t* bits = picture.Bits();
    std::vector<uint8_t> result(bits, bits + picture.Info().SizeImage);
    const int width = picture.Width(), height = picture.Height(), half = size / 2;
    if (width <= size - 1 || height <= size - 1)
        return result;
    const auto at = [&](int row, int column, int byte) {
        return picture.TopDownRow(row)[3 * column + byte];
    };
    for (int y = half; y <= height - 1 - half; ++y) {
        for (int x = half; x <= width - 1 - half; ++x) {
            for (int byte = 0; byte < 3; ++byte) {
                int32_t sum = 0;
                for (int ky = 0; ky < size; ++ky)
                    for (int kx = 0; kx < size; ++kx)
                        sum += kernel[ky * size + kx] * at(y - half + ky, x - half + kx, byte);
                sum /= divisor;
                const size_t offset = size_t(height - 1 - y) * picture.Stride() + 3 * x + byte;
                result[offset] = static_cast<uint8_t>(std::clamp(sum, 0, 255));
            }
        }
    }
    return result;
}

}  // namespace plain
