#include "imaging/CCfaImage.h"

#include "CfaFileWriter.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testsupport::CfaFile;

std::vector<uint16_t> Ramp(size_t count, uint16_t step)
{
    std::vector<uint16_t> samples(count);
    for (size_t i = 0; i < count; ++i)
        samples[i] = static_cast<uint16_t>(i * step);
    return samples;
}

CfaFile FrameOf(uint16_t width, uint16_t height, std::vector<uint16_t> samples = {})
{
    CfaFile file;
    file.width = width;
    file.height = height;
    file.samples = samples.empty() ? Ramp(size_t(width) * height, 7) : std::move(samples);
    return file;
}

void ExpectNoBuffers(const CCfaImage& image)
{
    EXPECT_EQ(image.Samples(), nullptr);
    EXPECT_EQ(image.Header(), nullptr);
    EXPECT_EQ(image.FileName(), "");
    EXPECT_EQ(image.DataSize(), 0u);
}

TEST(FrameDecoding, InitialValues)
{
    const CCfaImage image;
    EXPECT_EQ(image.MinLevel, 0);
    EXPECT_EQ(image.MaxLevel, 4095);
    EXPECT_EQ(image.LowCut, 0.0);
    EXPECT_EQ(image.HighCut, 0.0001);
    EXPECT_EQ(image.WindowLow, 0);
    EXPECT_EQ(image.WindowHigh, 4095);
    EXPECT_EQ(image.WindowRange, 4096);
    EXPECT_EQ(image.Gamma, 0.0);
    EXPECT_EQ(image.Correction, 0);
    ExpectNoBuffers(image);
}

TEST(FrameDecoding, ReadKeepsHeaderAndSamplesAsStored)
{
    testsupport::TempDir dir;
    CfaFile file = FrameOf(9, 5);
    file.time[4] = 17;
    const std::string path = dir.Make("a.CFA");
    testsupport::WriteCfaFile(path, file);

    CCfaImage image;
    ASSERT_TRUE(image.Read(path));
    EXPECT_EQ(image.FileName(), path);
    EXPECT_EQ(image.Width(), 9);
    EXPECT_EQ(image.Height(), 5);
    EXPECT_EQ(image.DataSize(), 2u * 9 * 5);
    EXPECT_EQ(image.HeaderHour(), 17);
    const std::string header = testsupport::CfaHeaderBytes(file);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.Header()), 256), header);
    EXPECT_EQ(std::vector<uint16_t>(image.Samples(), image.Samples() + 45), file.samples);
}

TEST(FrameDecoding, BadFilesFailAndLeaveNoBuffers)
{
    testsupport::TempDir dir;
    const std::string good = testsupport::CfaFileBytes(FrameOf(8, 8));
    struct Case {
        const char* name;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"zero width", testsupport::CfaFileBytes(FrameOf(0, 8, {1}))},
        {"zero height", testsupport::CfaFileBytes(FrameOf(8, 0, {1}))},
        {"short header", good.substr(0, 100)},
        {"one sample short", good.substr(0, good.size() - 1)},
        {"header claims a huge frame", testsupport::CfaHeaderBytes(FrameOf(65535, 65535, {1}))},
        {"header claims more than 4 GB", testsupport::CfaHeaderBytes(FrameOf(50000, 50000, {1}))},
        {"header claims 1 GB", testsupport::CfaHeaderBytes(FrameOf(30000, 20000, {1})) + "xy"},
    };
    const std::string ok = dir.Make("ok.CFA");
    testsupport::WriteFile(ok, good);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.Make(std::string(c.name) + ".CFA");
        testsupport::WriteFile(path, c.bytes);
        CCfaImage image;
        ASSERT_TRUE(image.Read(ok));
        EXPECT_FALSE(image.Load(path));
        ExpectNoBuffers(image);
        // Nothing is rendered from a frame that failed to read.
        std::vector<uint8_t> out(3 * 8 * 8, 0xAB);
        image.RenderColour(out.data(), 24, 0, 0, 8, 8, 1);
        EXPECT_EQ(out, std::vector<uint8_t>(3 * 8 * 8, 0xAB));
    }
}

TEST(FrameDecoding, MissingFileAndEmptyPath)
{
    testsupport::TempDir dir;
    const std::string path = dir.Make("a.CFA");
    testsupport::WriteCfaFile(path, FrameOf(8, 8));
    CCfaImage image;
    ASSERT_TRUE(image.Read(path));
    // An empty path is no path: the frame stays.
    EXPECT_FALSE(image.Read(""));
    EXPECT_EQ(image.FileName(), path);
    EXPECT_NE(image.Samples(), nullptr);
    EXPECT_FALSE(image.Read(dir.Make("missing.CFA")));
    ExpectNoBuffers(image);
}

TEST(FrameDecoding, ReadsAgainAfterAFailureOfTheSameSize)
{
    testsupport::TempDir dir;
    const std::string good = dir.Make("good.CFA");
    const std::string bad = dir.Make("bad.CFA");
    testsupport::WriteCfaFile(good, FrameOf(8, 8));
    testsupport::WriteFile(bad, testsupport::CfaFileBytes(FrameOf(8, 8)).substr(0, 200));
    CCfaImage image;
    ASSERT_TRUE(image.Read(good));
    ASSERT_FALSE(image.Read(bad));
    ASSERT_TRUE(image.Read(good));
    EXPECT_EQ(image.Samples()[9], 63);
}

TEST(FrameDecoding, VisibleRectangle)
{
    struct Case {
        uint16_t width, height;
        ImageRect rect;
    };
    const std::vector<Case> cases = {
        {1144, 790, {32, 8, 1065, 787}},
        {1067, 789, {32, 8, 1065, 787}},
        {40, 12, {32, 8, 38, 10}},
        {3, 3, {1, 1, 1, 1}},
        {1, 1, {1, 1, 1, 1}},
    };
    testsupport::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const std::string path = dir.Make("f.CFA");
        testsupport::WriteCfaFile(path, FrameOf(c.width, c.height));
        CCfaImage image;
        ASSERT_TRUE(image.Read(path));
        EXPECT_EQ(image.GetVisibleRect(), c.rect);
        EXPECT_EQ(image.GetVisibleOrigin(), (ImagePoint{c.rect.x0, c.rect.y0}));
        EXPECT_EQ(image.GetVisibleSize(),
                  (ImageSize{c.rect.x1 - c.rect.x0, c.rect.y1 - c.rect.y0}));
    }
    EXPECT_EQ(CCfaImage().GetVisibleSize(), (ImageSize{0, 0}));
}

// A frame wide enough for the optical-black area: black cells at 100, the
// picture at 100 + its level.
CfaFile FrameWithBlack(uint16_t width, uint16_t height, uint16_t level, uint16_t bright)
{
    std::vector<uint16_t> samples(size_t(width) * height, 100 + level);
    for (uint16_t y = 12; y < height && y <= 780; ++y)
        for (uint16_t x = 1070; x < width && x <= 1140; ++x)
            samples[size_t(y) * width + x] = 100;
    samples[0] = static_cast<uint16_t>(100 + bright);
    return FrameOf(width, height, samples);
}

TEST(FrameDecoding, PrepareSubtractsBlackAndFindsLevelBounds)
{
    testsupport::TempDir dir;
    const std::string path = dir.Make("f.CFA");
    // Bits above the twelfth are noise and are dropped.
    CfaFile file = FrameWithBlack(1100, 20, 500, 3000);
    file.samples[5] |= 0xF000;
    testsupport::WriteCfaFile(path, file);
    CCfaImage image;
    ASSERT_TRUE(image.Load(path));
    EXPECT_EQ(image.Samples()[5], 500);
    EXPECT_EQ(image.Samples()[0], 3000);
    EXPECT_EQ(image.Samples()[12 * 1100 + 1080], 0);
    EXPECT_EQ(image.Histogram()[0], 30u * 8);
    EXPECT_EQ(image.Histogram()[3000], 1u);
    EXPECT_EQ(image.Histogram()[500], 1100u * 20 - 30 * 8 - 1);
    // One sample in 22000 lies at 3000: under one in ten thousand.
    EXPECT_EQ(image.MinLevel, 0);
    EXPECT_EQ(image.MaxLevel, 500);
    image.HighCut = 0.00001;
    ASSERT_TRUE(image.Load(path));
    EXPECT_EQ(image.MaxLevel, 3000);
    image.LowCut = 0.5;
    ASSERT_TRUE(image.Load(path));
    EXPECT_EQ(image.MinLevel, 500);
}

TEST(FrameDecoding, NarrowFrameKeepsRawSamplesAndPreviousBounds)
{
    testsupport::TempDir dir;
    const std::string wide = dir.Make("wide.CFA");
    const std::string narrow = dir.Make("narrow.CFA");
    testsupport::WriteCfaFile(wide, FrameWithBlack(1100, 20, 500, 3000));
    CfaFile raw = FrameOf(1071, 20, std::vector<uint16_t>(1071 * 20, 0xF123));
    testsupport::WriteCfaFile(narrow, raw);
    CCfaImage image;
    ASSERT_TRUE(image.Load(wide));
    const auto histogram = image.Histogram();
    ASSERT_TRUE(image.Load(narrow));
    EXPECT_EQ(image.Samples()[77], 0xF123);
    EXPECT_EQ(image.Histogram(), histogram);
    EXPECT_EQ(image.MaxLevel, 500);
    // Raw 16-bit samples beyond every table still render, as white.
    std::vector<uint8_t> out(3 * 4, 0);
    image.RenderColour(out.data(), 12, 5, 5, 4, 1, 1);
    EXPECT_EQ(out, std::vector<uint8_t>(12, 255));
}

TEST(FrameDecoding, WindowCarriesOverClampedToTheNextFrame)
{
    testsupport::TempDir dir;
    const std::string first = dir.Make("1.CFA");
    const std::string second = dir.Make("2.CFA");
    testsupport::WriteCfaFile(first, FrameWithBlack(1100, 20, 3500, 3500));
    testsupport::WriteCfaFile(second, FrameWithBlack(1100, 20, 1500, 1500));
    CCfaImage image;
    ASSERT_TRUE(image.Load(first));
    EXPECT_EQ(image.SetWindow(1000, 2000), 1001);
    ASSERT_TRUE(image.Load(second));
    EXPECT_EQ(image.MaxLevel, 1500);
    EXPECT_EQ(image.WindowLow, 1000);
    EXPECT_EQ(image.WindowHigh, 1500);
    EXPECT_EQ(image.WindowRange, 501);
}

TEST(FrameDecoding, RedSiteAtColumn33Row9)
{
    // Samples of a small frame are not prepared, so levels are as stored.
    std::vector<uint16_t> samples(40 * 12, 400);
    samples[9 * 40 + 33] = 2048;
    testsupport::TempDir dir;
    const std::string path = dir.Make("f.CFA");
    testsupport::WriteCfaFile(path, FrameOf(40, 12, samples));
    CCfaImage image;
    ASSERT_TRUE(image.Load(path));
    uint8_t pixel[3] = {};
    image.RenderColour(pixel, 3, 33, 9, 1, 1, 1);
    EXPECT_EQ(pixel[2], 2048 * 256 / 4096);
    EXPECT_EQ(pixel[1], 400 * 256 / 4096);
    EXPECT_EQ(pixel[0], 400 * 256 / 4096);
    // Its right neighbour is green on a red row: red from left and right.
    image.RenderColour(pixel, 3, 34, 9, 1, 1, 1);
    EXPECT_EQ(pixel[2], (2048 + 400) / 2 * 256 / 4096);
}

TEST(FrameDecoding, RenderingStartsInsideTheOuterRowsAndColumns)
{
    std::vector<uint16_t> samples(6 * 5);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<uint16_t>(16 * i);
    testsupport::TempDir dir;
    const std::string path = dir.Make("f.CFA");
    testsupport::WriteCfaFile(path, FrameOf(6, 5, samples));
    CCfaImage image;
    ASSERT_TRUE(image.Load(path));
    // Asking for all of it yields 4 x 3 pixels from (1, 1), bottom-up.
    std::vector<uint8_t> out(3 * 6 * 5, 0xEE);
    image.RenderColour(out.data() + 4 * 18, -18, 0, 0, 6, 5, 1);
    // (1, 1) is a red site: red is its own sample 16 x 7 = 112.
    EXPECT_EQ(out[4 * 18 + 2], 112 * 256 / 4096);
    for (int row = 0; row < 5; ++row) {
        SCOPED_TRACE(row);
        const bool written = row >= 2;
        EXPECT_EQ(out[row * 18 + 11] != 0xEE, written);
        EXPECT_EQ(out[row * 18 + 12], 0xEE);
    }
}

}  // namespace
