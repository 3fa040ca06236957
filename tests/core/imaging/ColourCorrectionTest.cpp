#include "imaging/CCfaImage.h"
#include "imaging/ColourGains.h"
#include "imaging/GammaCurve.h"

#include "CfaFileWriter.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testsupport::CfaFile;

TEST(ColourCorrection, GammaCurveExamples)
{
    struct Case {
        uint16_t level, curved;
    };
    for (const Case c : {Case{0, 0}, {4095, 4095}, {73, 328}, {74, 320}, {2048, 2879}}) {
        SCOPED_TRACE(c.level);
        EXPECT_EQ(GammaLevel(c.level, 2.2), c.curved);
    }
    GammaCurve curve;
    EXPECT_EQ(curve.TableFor(2.2)[2048], 2879);
    EXPECT_EQ(curve.TableFor(1.0)[2048], GammaLevel(2048, 1.0));
    EXPECT_EQ(curve.TableFor(2.2)[2048], 2879);
}

TEST(ColourCorrection, GainsByModeAndHour)
{
    const ColourGains day{1.1, 1.0, 1.4};
    const ColourGains night{1.1, 1.0, 2.4};
    struct Case {
        int32_t mode;
        uint16_t hour;
        ColourGains gains;
    };
    const std::vector<Case> cases = {
        {CorrectionWithout, 3, {1.0, 1.0, 1.0}},
        {CorrectionDay, 3, day},
        {CorrectionNight, 12, night},
        {CorrectionAutomatic, 0, night},
        {CorrectionAutomatic, 5, night},
        {CorrectionAutomatic, 6, day},
        {CorrectionAutomatic, 20, day},
        {CorrectionAutomatic, 21, night},
        {CorrectionAutomatic, 65535, night},
        {7, 12, {1.0, 1.0, 1.0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + " at " + std::to_string(c.hour));
        EXPECT_EQ(GainsFor(c.mode, c.hour), c.gains);
    }
}

// Renders the 3 x 3 centre of a 5 x 5 frame of uneven samples.
std::vector<uint8_t> RenderAtHour(uint16_t hour, int32_t mode)
{
    CfaFile file;
    file.width = 5;
    file.height = 5;
    file.time[4] = hour;
    for (uint16_t i = 0; i < 25; ++i)
        file.samples.push_back(static_cast<uint16_t>(300 + 97 * i));
    testsupport::TempDir dir;
    const std::string path = dir.Make("f.CFA");
    testsupport::WriteCfaFile(path, file);
    CCfaImage image;
    image.Correction = mode;
    EXPECT_TRUE(image.Load(path));
    std::vector<uint8_t> out(27);
    image.RenderColour(out.data(), 9, 1, 1, 3, 3, 1);
    return out;
}

TEST(ColourCorrection, AutomaticModeFollowsTheHourOfEachFrame)
{
    const auto day = RenderAtHour(12, CorrectionDay);
    const auto night = RenderAtHour(12, CorrectionNight);
    ASSERT_NE(day, night);
    EXPECT_EQ(RenderAtHour(5, CorrectionAutomatic), night);
    EXPECT_EQ(RenderAtHour(6, CorrectionAutomatic), day);
    EXPECT_EQ(RenderAtHour(20, CorrectionAutomatic), day);
    EXPECT_EQ(RenderAtHour(21, CorrectionAutomatic), night);
}

TEST(ColourCorrection, SetWindowSwapsAndClamps)
{
    CCfaImage image;
    image.MinLevel = 0;
    image.MaxLevel = 2500;
    EXPECT_EQ(image.SetWindow(3000, 1000), 1501);
    EXPECT_EQ(image.WindowLow, 1000);
    EXPECT_EQ(image.WindowHigh, 2500);
    image.MinLevel = 1200;
    EXPECT_EQ(image.SetWindow(100, 2000), 801);
    EXPECT_EQ(image.WindowLow, 1200);
}

TEST(ColourCorrection, WindowMapsLevelsToBytes)
{
    struct Case {
        uint16_t level;
        uint8_t byte;
    };
    const std::vector<Case> cases = {
        {0, 0}, {1000, 0}, {1001, 0}, {1750, 127}, {2499, 255}, {2500, 255}, {4095, 255},
    };
    testsupport::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        // A flat frame too small for preparation: every estimate is the level.
        CfaFile file;
        file.width = 3;
        file.height = 3;
        file.samples.assign(9, c.level);
        const std::string path = dir.Make("f.CFA");
        testsupport::WriteCfaFile(path, file);
        CCfaImage image;
        ASSERT_TRUE(image.Load(path));
        image.MaxLevel = 2500;
        image.SetWindow(1000, 2500);
        uint8_t pixel[3] = {1, 1, 1};
        image.RenderColour(pixel, 3, 1, 1, 1, 1, 1);
        EXPECT_EQ(pixel[0], c.byte);
        EXPECT_EQ(pixel[1], c.byte);
        EXPECT_EQ(pixel[2], c.byte);
    }
}

TEST(ColourCorrection, AutoWindowFromTheHistogram)
{
    // Black cells measure 0; two per cent of the picture is saturated.
    CfaFile file;
    file.width = 1100;
    file.height = 20;
    file.samples.assign(1100 * 20, 0);
    for (size_t i = 0; i < file.samples.size(); ++i)
        if (i % 1100 < 1000)
            file.samples[i] = i % 50 == 0 ? 4095 : 1000 + i % 7;
    testsupport::TempDir dir;
    const std::string path = dir.Make("f.CFA");
    testsupport::WriteCfaFile(path, file);
    CCfaImage image;
    image.HighCut = 0.0;
    ASSERT_TRUE(image.Load(path));
    ASSERT_EQ(image.MaxLevel, 4095);
    image.AutoWindow(0.01, 0.0);
    EXPECT_EQ(image.WindowLow, 0);
    EXPECT_EQ(image.WindowHigh, 4095);
    EXPECT_EQ(image.WindowRange, 4096);
    // Fractions in the wrong order are exchanged: the brightest half of the
    // samples lies at or above 1003.
    image.AutoWindow(0.5, 0.01);
    EXPECT_EQ(image.WindowLow, 0);
    EXPECT_EQ(image.WindowHigh, 1003);
}

TEST(ColourCorrection, GammaChangesTheLevelsAndTheirBounds)
{
    CfaFile file;
    file.width = 1100;
    file.height = 20;
    file.samples.assign(1100 * 20, 2048);
    for (size_t y = 12; y < 20; ++y)
        for (size_t x = 1070; x < 1100; ++x)
            file.samples[y * 1100 + x] = 0;
    testsupport::TempDir dir;
    const std::string path = dir.Make("f.CFA");
    testsupport::WriteCfaFile(path, file);
    CCfaImage image;
    ASSERT_TRUE(image.Load(path));
    EXPECT_EQ(image.MaxLevel, 2048);
    image.Gamma = 2.2;
    ASSERT_TRUE(image.Load(path));
    EXPECT_EQ(image.Samples()[0], 2879);
    EXPECT_EQ(image.MaxLevel, 2879);
    EXPECT_EQ(image.Histogram()[2879], 1100u * 20 - 240);
}

}  // namespace
