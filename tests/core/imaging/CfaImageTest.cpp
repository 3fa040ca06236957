#include "imaging/CCfaImage.h"
#include "imaging/BackgroundThread.h"
#include "imaging/GammaCurve.h"
#include "imaging/LevelSearch.h"
#include "imaging/RenderTables.h"

#include "CfaFileWriter.h"
#include "PlainImaging.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <cstdint>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// A frame file of w x h samples (zero beyond those given), cut to its first `keep` bytes.
std::string FrameFile(uint16_t w, uint16_t h, const std::vector<uint16_t>& samples, size_t keep = SIZE_MAX,
                      uint16_t hour = 12)
{
    static const testsupport::TempDir dir;
    static int count = 0;
    CfaHeader header = testsupport::LaneFrameHeader(w, h);
    header.Time.Hour = hour;
    const std::string path = dir.Make(std::to_string(count++) + ".CFA");
    // A frame that claims gigabytes is cut within its header, so only the header is made.
    const std::string bytes = keep <= CfaHeader::Size ? CfaHeaderBytes(header) : CfaFileBytes(header, samples);
    testsupport::WriteFile(path, bytes.substr(0, keep));
    return path;
}

// All samples at level but one at (x, y) when spotLevel is given.
std::string Flat(uint16_t w, uint16_t h, uint16_t level, int x = 0, int y = 0, int spotLevel = -1)
{
    std::vector<uint16_t> samples(size_t(w) * h, level);
    if (spotLevel >= 0)
        samples[size_t(y) * w + x] = uint16_t(spotLevel);
    return FrameFile(w, h, samples);
}

// Wide enough for the optical-black area, which reads 100; the rest 100 + level.
std::string WithBlack(uint16_t level)
{
    std::vector<uint16_t> samples(1100 * 20, 100 + level);
    for (int y = 12; y < 20; ++y)
        std::fill_n(samples.begin() + y * 1100 + 1070, 30, 100);
    return FrameFile(1100, 20, samples);
}

// Smooth areas, noise, saturated spots and stray high bits, so that every
// level range and every branch of the formulas is reached.
std::vector<uint16_t> RandomSamples(uint16_t w, uint16_t h, std::mt19937& random)
{
    std::vector<uint16_t> samples;
    for (uint32_t i = 0; i < uint32_t{w} * h; ++i) {
        const uint32_t roll = random() % 100, smooth = (i % w * 7 + i / w * 13) % 3000;
        samples.push_back(uint16_t(roll < 2 ? 4095 : roll < 4 ? random() : 150 + random() % 201 + smooth));
    }
    return samples;
}

// Renders bottom-up (negative row step) or top-down; answers the rows top-down.
std::vector<uint8_t> FastRows(const CCfaImage& image, const plain::Render& r, bool bottomUp)
{
    const ptrdiff_t rowBytes = 3 * ptrdiff_t{r.w};
    std::vector<uint8_t> rows(size_t(rowBytes) * r.h, 0x5A);
    const auto render = r.grey ? &CCfaImage::RenderGrey : &CCfaImage::RenderColour;
    (image.*render)(rows.data() + (bottomUp ? (r.h - 1) * rowBytes : 0), bottomUp ? -rowBytes : rowBytes,
                    r.x0, r.y0, r.w, r.h, r.phase);
    for (int k = 0; bottomUp && k < r.h / 2; ++k)
        std::swap_ranges(rows.begin() + k * rowBytes, rows.begin() + (k + 1) * rowBytes,
                         rows.end() - (k + 1) * rowBytes);
    return rows;
}

TEST(FastAgainstPlain, PreparationWindowsAndRendering)
{
    // Frames up to 1071 wide keep raw 16-bit samples; 1144 x 140 is split between two threads.
    const std::pair<uint16_t, uint16_t> sizes[] = {{1, 1},   {2, 2},     {3, 3},     {4, 5},     {7, 9},    {16, 3},
                                                   {33, 17}, {1072, 14}, {1073, 15}, {1100, 31}, {1144, 140}};
    // Levels (either order, beyond the bounds) or, automatic, histogram fractions.
    const std::tuple<bool, double, double> windows[] = {{false, 0, 4095},      {false, 3000, 200}, {false, 1000, 1001},
                                                        {false, 700, 700},     {true, 0.0, 0.01},  {true, 0.2, 0.05},
                                                        {false, 65535, 60000}, {true, 0.9, 0.9}};
    std::mt19937 random(20060102);
    for (const auto& [w, h] : sizes) {
        // The last cuts cross: MinLevel falls back to MaxLevel.
        for (const auto& [gamma, lowCut, highCut] : {std::tuple{0.0, 0.0, 0.0001}, {2.2, 0.3, 0.0}, {0.45, 0.7, 0.5}}) {
            plain::Frame frame{w, h, uint16_t(random() % 24), RandomSamples(w, h, random)};
            CCfaImage image;
            image.Gamma = gamma;
            image.LowCut = lowCut;
            image.HighCut = highCut;
            ASSERT_TRUE(image.Load(FrameFile(w, h, frame.s, SIZE_MAX, frame.hour)));
            plain::Prepare(frame, gamma, lowCut, highCut);
            SCOPED_TRACE(testing::Message() << w << "x" << h << " gamma " << gamma);
            ASSERT_EQ(std::vector<uint16_t>(image.Samples(), image.Samples() + w * h), frame.s);
            ASSERT_EQ(image.Histogram(), frame.histogram);
            ASSERT_EQ(std::tie(image.MinLevel, image.MaxLevel), std::tie(frame.minLevel, frame.maxLevel));
            const ImagePoint o = image.GetVisibleOrigin();
            const ImageSize v = image.GetVisibleSize();
            for (const auto& [automatic, a, b] : windows) {
                if (automatic)
                    image.AutoWindow(a, b);
                else
                    image.SetWindow(uint16_t(a), uint16_t(b));
                const plain::Window win =
                    automatic ? plain::AutoWindow(frame, a, b) : plain::SetWindow(frame, uint16_t(a), uint16_t(b));
                ASSERT_EQ(std::tie(image.WindowLow, image.WindowHigh, image.WindowRange),
                          std::tie(win.low, win.high, win.range));
                for (int mode = 0; mode < 8; ++mode) {
                    image.Correction = mode % 4;
                    // The visible rectangle, then all and more, or a random area.
                    const plain::Render areas[] = {
                        {mode % 4, mode > 3, o.x, o.y, v.width, v.height, 1},
                        {mode % 4, mode > 3, 0, 0, w + 3, h + 3, int(random() % 2)},
                        {mode % 4, mode > 3, int(random() % w), int(random() % h), int(random() % w) + 1,
                         int(random() % h) + 1, int(random() % 2)}};
                    for (const plain::Render& r : {areas[0], areas[1 + random() % 2]}) {
                        SCOPED_TRACE(testing::Message() << "window " << a << ".." << b << " mode " << r.correction << " grey "
                                                        << r.grey << " at " << r.x0 << "," << r.y0 << " " << r.w << "x"
                                                        << r.h << " phase " << r.phase);
                        ASSERT_EQ(FastRows(image, r, r.x0 % 2 == 0), plain::RenderRows(frame, win, r, 0x5A));
                    }
                }
            }
        }
    }
}

TEST(FrameDecoding, BadAndTinyFiles)
{
    const std::vector<uint16_t> five(64, 5);
    const std::string ok = FrameFile(8, 8, five);
    // A pipe with no writer would block an ordinary read for ever.
    const testsupport::TempDir dir;
    ASSERT_EQ(mkfifo(dir.Make("pipe.CFA").c_str(), 0600), 0);
    const struct { const char* name; std::string path; bool loads; ImageRect visible = {}; } cases[] = {
        {"zero width", FrameFile(0, 8, {1}), false},
        {"zero height", FrameFile(8, 0, {1}), false},
        {"short header", FrameFile(8, 8, five, 100), false},
        {"one byte short", FrameFile(8, 8, five, 256 + 127), false},
        {"header claims 8 GB", FrameFile(65535, 65535, {}, 256), false},
        {"header claims 5 GB, 705 MB in 32 bits", FrameFile(50000, 50000, {}, 256), false},
        {"missing", "/nonexistent/a.CFA", false},
        {"named pipe", dir.Path() + "pipe.CFA", false},
        {"directory", dir.MakeDir("dir.CFA"), false},
        {"1 x 1", Flat(1, 1, 9), true, {1, 1, 1, 1}},
        {"40 x 12", Flat(40, 12, 9), true, {32, 8, 38, 10}},
        {"1067 x 789", Flat(1067, 789, 9), true, {32, 8, 1065, 787}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CCfaImage image;
        ASSERT_TRUE(image.Load(ok));
        EXPECT_EQ(image.Load(c.path), c.loads);
        if (c.loads) {
            EXPECT_EQ(image.GetVisibleRect(), c.visible);
            continue;
        }
        EXPECT_EQ(std::tuple(image.Samples(), image.Header(), image.FileName()), std::tuple(nullptr, nullptr, ""));
        EXPECT_EQ(FastRows(image, {0, false, 1, 1, 1, 1}, false), Bytes(3, 0x5A)) << "nothing rendered";
        // A sample buffer of the same size is made anew.
        ASSERT_TRUE(image.Load(ok));
        EXPECT_EQ(image.Samples()[63], 5);
    }
    CCfaImage image;
    ASSERT_TRUE(image.Load(ok));
    EXPECT_FALSE(image.Read(""));
    EXPECT_EQ(image.FileName(), ok) << "an empty path changes nothing";
}

// Another process cuts the file short while it is read: the kernel may hand
// out zeros for the bytes it cuts off, so a read that looks complete can
// still be torn. Either no frame, or every sample as written.
TEST(FrameDecoding, AFileCutShortWhileReadGivesNoFrameOrTheWholeOne)
{
    constexpr uint16_t w = 1144, h = 790;
    std::vector<uint16_t> samples(size_t(w) * h);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = uint16_t(100 + i % 3000);
    std::mt19937 random(7);
    CCfaImage frame;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string path = FrameFile(w, h, samples);
        const auto delay = std::chrono::microseconds(random() % 400);
        std::thread cutter([&] {
            std::this_thread::sleep_for(delay);
            std::filesystem::resize_file(path, CfaHeader::Size + samples.size());
        });
        bool read = false;
        // Read as the thumbnail loader reads: at the lowest priority, so
        // that the cut can come in the middle of a read.
        std::thread reader([&] {
            RunThisThreadInTheBackground();
            read = frame.Read(path);
        });
        reader.join();
        cutter.join();
        if (read) {
            ASSERT_TRUE(std::equal(samples.begin(), samples.end(), frame.Samples())) << "torn at attempt " << attempt;
        }
        std::filesystem::remove(path);
    }
}

TEST(FrameDecoding, WindowCarriesOverAndNarrowFramesKeepTheirRawSamples)
{
    CCfaImage image;
    ASSERT_TRUE(image.Load(WithBlack(3500)));
    EXPECT_EQ(image.SetWindow(1000, 2000), 1001);
    ASSERT_TRUE(image.Load(WithBlack(1500)));
    EXPECT_EQ(image.MaxLevel, 1500);
    EXPECT_EQ(std::tie(image.WindowLow, image.WindowHigh, image.WindowRange), std::tuple(1000, 1500, 501));
    // Up to 1071 columns there is no black level: no preparation, the last bounds stay.
    const auto histogram = image.Histogram();
    ASSERT_TRUE(image.Load(Flat(1071, 20, 0xF123)));
    EXPECT_EQ(image.Samples()[77], 0xF123);
    EXPECT_EQ(image.Histogram(), histogram);
    EXPECT_EQ(image.MaxLevel, 1500);
    EXPECT_EQ(FastRows(image, {0, false, 5, 5, 1, 1}, false), Bytes(3, 255));
}

TEST(ColourCorrection, WorkedExamples)
{
    for (const auto& [level, curved] : {std::pair{0, 0}, {4095, 4095}, {73, 328}, {74, 320}, {2048, 2879}})
        EXPECT_EQ(GammaLevel(uint16_t(level), 2.2), curved) << level;

    CCfaImage clamped;
    clamped.MaxLevel = 2500;
    EXPECT_EQ(clamped.SetWindow(3000, 1000), 1501);
    EXPECT_EQ(std::tie(clamped.WindowLow, clamped.WindowHigh), std::tuple(1000, 2500));
    clamped.MinLevel = 1200;
    EXPECT_EQ(clamped.SetWindow(100, 2000), 801);
    EXPECT_EQ(clamped.WindowLow, 1200);

    // Frames this small are not prepared: levels are as stored. At level 1000 blue is 1000 x 1.4
    // by day and 1000 x 2.4 by night, red 1000 x 1.1.
    const std::vector<uint16_t> thousand(9, 1000);
    const struct {
        const char* name; std::string path; int32_t mode; uint16_t low, high; bool grey; int x, y; Bytes bgr;
    } cases[] = {
        {"1000 in 1000..2500", Flat(3, 3, 1000), 0, 1000, 2500, false, 1, 1, {0, 0, 0}},
        {"1001 in 1000..2500", Flat(3, 3, 1001), 0, 1000, 2500, false, 1, 1, {0, 0, 0}},
        {"1750 in 1000..2500", Flat(3, 3, 1750), 0, 1000, 2500, false, 1, 1, {127, 127, 127}},
        {"2499 in 1000..2500", Flat(3, 3, 2499), 0, 1000, 2500, false, 1, 1, {255, 255, 255}},
        {"2500 in 1000..2500", Flat(3, 3, 2500), 0, 1000, 2500, false, 1, 1, {255, 255, 255}},
        {"red site (33, 9)", Flat(40, 12, 400, 33, 9, 2048), 0, 0, 4095, false, 33, 9, {25, 25, 128}},
        {"green right of it", Flat(40, 12, 400, 33, 9, 2048), 0, 0, 4095, false, 34, 9, {25, 25, 76}},
        {"grey of flat 1", Flat(4, 4, 1), 0, 0, 2, true, 1, 1, {85, 85, 85}},
        {"grey of flat 4094", Flat(4, 4, 4094), 0, 4093, 4095, true, 1, 2, {85, 85, 85}},
        {"automatic at 5", FrameFile(3, 3, thousand, SIZE_MAX, 5), 3, 0, 4095, false, 1, 1, {150, 62, 68}},
        {"automatic at 6", FrameFile(3, 3, thousand, SIZE_MAX, 6), 3, 0, 4095, false, 1, 1, {87, 62, 68}},
        {"automatic at 20", FrameFile(3, 3, thousand, SIZE_MAX, 20), 3, 0, 4095, false, 1, 1, {87, 62, 68}},
        {"automatic at 21", FrameFile(3, 3, thousand, SIZE_MAX, 21), 3, 0, 4095, false, 1, 1, {150, 62, 68}},
    };
    for (const auto& c : cases) {
        CCfaImage image;
        image.Correction = c.mode;
        ASSERT_TRUE(image.Load(c.path));
        image.SetWindow(c.low, c.high);
        EXPECT_EQ(FastRows(image, {c.mode, c.grey, c.x, c.y, 1, 1}, false), c.bgr) << c.name;
    }
}

// Worked by hand rather than by the plain reference, which shares the
// comparison and the rounding with the code it checks.
TEST(RenderRules, ALevelIsReachedWhenTheSamplesPassedEqualTheFraction)
{
    std::array<uint32_t, 4096> histogram{};
    histogram[10] = 4;
    histogram[20] = 4;
    const double eighth = 1.0 / 8;
    const struct {
        double fraction;
        uint16_t lowest, highest;
    } cases[] = {
        {0.0, 0, 4095},   // nothing needs passing: the first level of each walk
        {0.5, 10, 20},    // met exactly: the level that brings the half
        {0.5000001, 20, 10},
        {1.0, 20, 10},
        {1.5, 4095, 0},   // never reached: the walk stops at the far end
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LowestLevelReaching(histogram, eighth, c.fraction), c.lowest) << c.fraction;
        EXPECT_EQ(HighestLevelReaching(histogram, eighth, c.fraction), c.highest) << c.fraction;
    }
}

TEST(RenderRules, AGainProductEndingInAHalfRoundsUp)
{
    // Below 256 this window gives every level its own byte.
    const std::vector<uint8_t> identity = WindowMap(0, 256, 256);
    const std::vector<uint8_t> map = GainWindowMap(identity, 1.5, 7);
    // 0, 1.5, 3, 4.5, 6, 7.5, 9, 10.5
    EXPECT_EQ(map, (std::vector<uint8_t>{0, 2, 3, 5, 6, 8, 9, 11}));
}

}  // namespace
