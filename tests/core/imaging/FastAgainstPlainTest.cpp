#include "imaging/CCfaImage.h"

#include "CfaFileWriter.h"
#include "PlainImaging.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using testsupport::CfaFile;

// A frame with smooth areas, noise, saturated spots and stray high bits, so
// that every level range and every branch of the formulas is reached.
CfaFile RandomFrame(uint16_t width, uint16_t height, uint16_t hour, std::mt19937& random)
{
    CfaFile file;
    file.width = width;
    file.height = height;
    file.time[4] = hour;
    std::uniform_int_distribution<int> noise(0, 200);
    std::uniform_int_distribution<int> any(0, 65535);
    std::uniform_int_distribution<int> percent(0, 99);
    for (uint32_t i = 0; i < uint32_t{width} * height; ++i) {
        const uint32_t x = i % width, y = i / width;
        int v = 150 + noise(random) + int((x * 7 + y * 13) % 3000);
        const int roll = percent(random);
        if (roll < 2)
            v = 4095;
        else if (roll < 4)
            v = any(random);
        file.samples.push_back(static_cast<uint16_t>(v));
    }
    return file;
}

struct WindowChoice {
    bool automatic;
    double low, high;  // fractions or levels
};

const std::vector<WindowChoice> Windows = {
    {false, 0, 4095},    {false, 3000, 200},  {false, 1000, 1001},
    {false, 700, 700},   {false, 4095, 4095}, {false, 65535, 60000},
    {true, 0.0, 0.01},   {true, 0.2, 0.05},   {true, 0.9, 0.9},
};

void ApplyWindow(const WindowChoice& choice, CCfaImage& image, plain::Window& window,
                 const plain::Frame& frame)
{
    if (choice.automatic) {
        image.AutoWindow(choice.low, choice.high);
        window = plain::AutoWindow(frame, choice.low, choice.high);
    } else {
        const auto a = static_cast<uint16_t>(choice.low), b = static_cast<uint16_t>(choice.high);
        image.SetWindow(a, b);
        window = plain::SetWindow(frame, a, b);
    }
    ASSERT_EQ(image.WindowLow, window.low);
    ASSERT_EQ(image.WindowHigh, window.high);
    ASSERT_EQ(image.WindowRange, window.range);
}

std::vector<plain::Render> Areas(const CCfaImage& image, std::mt19937& random)
{
    const ImagePoint origin = image.GetVisibleOrigin();
    const ImageSize size = image.GetVisibleSize();
    std::vector<plain::Render> areas = {
        {0, false, origin.x, origin.y, size.width, size.height, 1},
        {0, false, 0, 0, image.Width() + 3, image.Height() + 3, 1},
        {0, false, 0, 0, image.Width(), image.Height(), 0},
    };
    std::uniform_int_distribution<int> x(0, image.Width()), y(0, image.Height());
    for (int i = 0; i < 3; ++i)
        areas.push_back({0, false, x(random), y(random), x(random) + 1, y(random) + 1, i % 2});
    return areas;
}

// The fast code writes bottom-up (negative row step) or top-down; the plain
// one always top-down.
void ExpectSameRendering(const CCfaImage& image, const plain::Frame& frame,
                         const plain::Window& window, const plain::Render& render, bool bottomUp)
{
    const std::vector<uint8_t> expected = plain::RenderRows(frame, window, render, 0x5A);
    const ptrdiff_t rowBytes = 3 * ptrdiff_t{render.w};
    std::vector<uint8_t> rows(expected.size(), 0x5A);
    uint8_t* dest = bottomUp ? rows.data() + (render.h - 1) * rowBytes : rows.data();
    const ptrdiff_t step = bottomUp ? -rowBytes : rowBytes;
    if (render.grey)
        image.RenderGrey(dest, step, render.x0, render.y0, render.w, render.h, render.bayerPhase);
    else
        image.RenderColour(dest, step, render.x0, render.y0, render.w, render.h,
                           render.bayerPhase);
    std::vector<uint8_t> topDown(rows.size());
    for (int k = 0; k < render.h; ++k) {
        const int from = bottomUp ? render.h - 1 - k : k;
        std::copy_n(rows.begin() + from * rowBytes, rowBytes, topDown.begin() + k * rowBytes);
    }
    ASSERT_EQ(topDown, expected);
}

void CompareFrame(const CfaFile& file, double gamma, std::mt19937& random)
{
    testsupport::TempDir dir;
    const std::string path = dir.Make("f.CFA");
    testsupport::WriteCfaFile(path, file);
    CCfaImage image;
    image.Gamma = gamma;
    ASSERT_TRUE(image.Load(path));

    plain::Frame frame{file.width, file.height, file.time[4], file.samples};
    plain::Prepare(frame, gamma, 0.0, 0.0001);
    const size_t count = frame.samples.size();
    ASSERT_EQ(std::vector<uint16_t>(image.Samples(), image.Samples() + count), frame.samples);
    ASSERT_EQ(image.Histogram(), frame.histogram);
    ASSERT_EQ(image.MinLevel, frame.minLevel);
    ASSERT_EQ(image.MaxLevel, frame.maxLevel);

    // Each combination renders the visible rectangle and one other area in
    // turn, so every area meets every mode without the product of all.
    const std::vector<plain::Render> areas = Areas(image, random);
    size_t turn = 0;
    for (const WindowChoice& choice : Windows) {
        plain::Window window;
        ApplyWindow(choice, image, window, frame);
        for (int correction = 0; correction <= 3; ++correction) {
            image.Correction = correction;
            for (const bool grey : {false, true}) {
                for (plain::Render render : {areas[0], areas[1 + turn++ % (areas.size() - 1)]}) {
                    SCOPED_TRACE(testing::Message()
                                 << "window " << choice.low << ".." << choice.high << " mode "
                                 << correction << " grey " << grey << " at " << render.x0 << ","
                                 << render.y0 << " " << render.w << "x" << render.h);
                    render.correction = correction;
                    render.grey = grey;
                    ExpectSameRendering(image, frame, window, render, render.x0 % 2 == 0);
                }
            }
        }
    }
}

TEST(FastAgainstPlain, EveryModeWindowGammaAndArea)
{
    struct Size {
        uint16_t width, height;
    };
    // Frames narrower than the optical-black area keep raw 16-bit samples;
    // the wide ones are prepared; 1144 x 140 also splits the work in two.
    const std::vector<Size> sizes = {{1, 1},   {2, 2},    {3, 3},    {4, 5},     {7, 9},
                                     {16, 3},  {33, 17},  {64, 40},  {1072, 14}, {1073, 15},
                                     {1100, 31}, {1144, 140}};
    std::mt19937 random(20060102);
    uint16_t hour = 0;
    for (const Size size : sizes) {
        for (const double gamma : {0.0, 2.2, 0.45}) {
            SCOPED_TRACE(testing::Message()
                         << size.width << "x" << size.height << " gamma " << gamma);
            hour = static_cast<uint16_t>((hour + 5) % 24);
            CompareFrame(RandomFrame(size.width, size.height, hour, random), gamma, random);
        }
    }
}

}  // namespace
