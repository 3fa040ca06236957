#pragma once

#include "imaging/CDibImage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

// The imaging formulas written out directly, one sample and one pixel at a
// time, with no tables, threads or row pointers: the yardstick the fast code
// must match byte for byte.
namespace plain {

struct Frame {
    int w = 0, h = 0;
    uint16_t hour = 12;
    std::vector<uint16_t> s;
    std::array<uint32_t, 4096> histogram{};
    uint16_t minLevel = 0, maxLevel = 4095;
    int32_t At(int x, int y) const { return s[size_t(y) * w + x]; }
};

struct Window { uint16_t low = 0, high = 4095, range = 4096; };

inline uint16_t Gamma(int level, double gamma)
{
    const double x = level * (1.0 / 4095);
    const double y = x > 0.018 ? 1.099 * std::pow(x, 1.0 / gamma) - 0.099 : 4.5 * x;
    return uint16_t(int(std::clamp(y, 0.0, 1.0) * 4095) & 0xFFF);
}

// The first level, walking from 0 up (step 1) or from 4095 down (step -1),
// at which the samples passed reach fraction of the frame.
inline uint16_t Search(const Frame& f, double fraction, int step)
{
    const double scale = 1.0 / (double(f.w) * f.h);
    const int last = step > 0 ? 4095 : 0;
    double sum = 0;
    for (int level = 4095 - last;; level += step) {
        sum += f.histogram[level];
        if (sum * scale >= fraction || level == last)
            return uint16_t(level);
    }
}

inline void Prepare(Frame& f, double gamma, double lowCut, double highCut)
{
    const int right = std::min(f.w - 1, 1140), bottom = std::min(f.h - 1, 780);
    if (right <= 1070 || bottom <= 12)
        return;
    double sum = 0;
    int count = 0;
    for (int y = 12; y <= bottom; ++y)
        for (int x = 1070; x <= right; ++x, ++count)
            sum += f.At(x, y) & 0xFFF;
    const int black = int(sum / count);
    f.histogram.fill(0);
    for (uint16_t& v : f.s) {
        const int level = std::max((v & 0xFFF) - black, 0);
        v = gamma > 0.0 ? Gamma(level, gamma) : uint16_t(level);
        ++f.histogram[v];
    }
    f.maxLevel = Search(f, highCut, -1);
    f.minLevel = std::min(Search(f, lowCut, 1), f.maxLevel);
}

inline Window SetWindow(const Frame& f, uint16_t a, uint16_t b)
{
    if (a > b)
        std::swap(a, b);
    const uint16_t low = std::max(a, f.minLevel), high = std::min(b, f.maxLevel);
    return {low, high, uint16_t(high - low + 1)};
}

inline Window AutoWindow(const Frame& f, double lowFraction, double highFraction)
{
    if (lowFraction > highFraction)
        std::swap(lowFraction, highFraction);
    return SetWindow(f, Search(f, lowFraction, 1), Search(f, highFraction, -1));
}

inline uint8_t Map(const Window& win, uint16_t v)
{
    return v <= win.low ? 0 : v >= win.high ? 255 : uint8_t((int32_t(v - win.low) * 256) / int32_t(win.range));
}

// Red, green and blue estimates of the sample at (x, y).
inline std::array<int32_t, 3> Estimates(const Frame& f, int x, int y, int phase)
{
    const int32_t c = f.At(x, y), ns = f.At(x, y - 1) + f.At(x, y + 1);
    const int32_t ew = f.At(x - 1, y) + f.At(x + 1, y);
    const int32_t diagonals =
        f.At(x - 1, y - 1) + f.At(x + 1, y - 1) + f.At(x - 1, y + 1) + f.At(x + 1, y + 1);
    const bool redRow = y % 2 == phase, oddX = x % 2 == 1;
    if (!redRow && !oddX)  // blue site
        return {diagonals / 4, (ns + ew) / 4, c};
    if (!redRow)  // green on a blue row
        return {ns / 2, (c + diagonals) / 5, ew / 2};
    if (!oddX)  // green on a red row
        return {ew / 2, (c + diagonals) / 5, ns / 2};
    return {c, (ns + ew) / 4, diagonals / 4};  // red site
}

// Red, green and blue gains; automatic is night before 6 and after 20 o'clock, else day.
inline std::array<double, 3> Gains(int correction, uint16_t hour)
{
    if (correction == 3)
        correction = hour < 6 || hour > 20 ? 2 : 1;
    const std::array<double, 3> gains[] = {{1.0, 1.0, 1.0}, {1.1, 1.0, 1.4}, {1.1, 1.0, 2.4}};
    return gains[correction];
}

struct Render {
    int correction = 0;
    bool grey = false;
    int x0 = 0, y0 = 0, w = 0, h = 0, phase = 1;
};

// Output rows of 3 x w bytes, top-down; bytes no sample reaches stay `untouched`.
inline std::vector<uint8_t> RenderRows(const Frame& f, const Window& win, const Render& r,
                                       uint8_t untouched)
{
    std::vector<uint8_t> rows(size_t(3) * r.w * r.h, untouched);
    const std::array<double, 3> g = Gains(r.correction, f.hour);
    const auto byte = [&](double v) { return Map(win, uint16_t(int32_t(v + 0.5))); };
    const int xs = std::max(r.x0, 1), ys = std::max(r.y0, 1);
    for (int y = ys; y < std::min(ys + r.h, f.h - 1); ++y) {
        for (int x = xs; x < std::min(xs + r.w, f.w - 1); ++x) {
            const auto [red, green, blue] = Estimates(f, x, y, r.phase);
            uint8_t* p = &rows[(size_t(y - ys) * r.w + (x - xs)) * 3];
            if (r.grey) {
                p[0] = p[1] = p[2] =
                    byte(0.212671 * g[0] * red + 0.71516 * green + 0.072169 * g[2] * blue);
            } else {
                p[0] = byte(blue * g[2]);
                p[1] = byte(green * g[1]);
                p[2] = byte(red * g[0]);
            }
        }
    }
    return rows;
}

// The filtered pixel memory of picture, which itself stays as it is.
inline std::vector<uint8_t> Convolve(const CDibImage& pic, const int32_t* k, int n, int divisor)
{
    std::vector<uint8_t> out(pic.Bits(), pic.Bits() + pic.Info().SizeImage);
    const int w = pic.Width(), h = pic.Height(), half = n / 2;
    if (w <= n - 1 || h <= n - 1)
        return out;
    for (int y = half; y < h - half; ++y) {
        for (int x = half; x < w - half; ++x) {
            for (int b = 0; b < 3; ++b) {
                int32_t sum = 0;
                for (int i = 0; i < n * n; ++i)
                    sum += k[i] * pic.TopDownRow(y - half + i / n)[3 * (x - half + i % n) + b];
                out[size_t(h - 1 - y) * pic.Stride() + 3 * x + b] =
                    uint8_t(std::clamp(sum / divisor, 0, 255));
            }
        }
    }
    return out;
}

}  // namespace plain
