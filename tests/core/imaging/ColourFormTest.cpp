#include "imaging/ColourMapSet.h"
#include "imaging/CpuFeatures.h"
#include "imaging/Demosaic.h"

#include "PlainImaging.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int32_t Levels = 4096;
// One wide group of either instruction set and two pixels for the row end.
constexpr int32_t Width = 36;
// Tiles of 3 x 3 samples at one level; the sample in the middle of a tile has
// every estimate of every channel equal to that level.
constexpr int32_t TilesPerRow = Width / 3;
constexpr int32_t TileRows = (Levels + TilesPerRow - 1) / TilesPerRow;

int32_t TileLevel(int32_t tileRow, int32_t tile)
{
    return std::min(tileRow * TilesPerRow + tile, Levels - 1);
}

std::vector<uint16_t> LevelTiles()
{
    std::vector<uint16_t> samples;
    for (int32_t y = 0; y < 3 * TileRows; ++y)
        for (int32_t x = 0; x < Width; ++x)
            samples.push_back(static_cast<uint16_t>(TileLevel(y / 3, x / 3)));
    return samples;
}

// The first mismatch of the tiles' middles against the double formula, or "".
std::string FirstMismatch(const std::vector<uint8_t>& rows, int32_t rowBytes,
                          const std::array<double, 3>& gains, const plain::Window& window)
{
    for (int32_t tileRow = 0; tileRow < TileRows; ++tileRow) {
        for (int32_t tile = 0; tile < TilesPerRow; ++tile) {
            // The middle of the tile, sensor (3 t + 1, 3 r + 1), is output pixel (3 t, 3 r).
            const uint8_t* pixel =
                rows.data() + static_cast<ptrdiff_t>(3 * tileRow) * rowBytes + 9 * tile;
            const int32_t level = TileLevel(tileRow, tile);
            for (int32_t channel = 0; channel < 3; ++channel) {
                // Bytes are blue, green, red; gains red, green, blue.
                const double gain = gains[2 - channel];
                const auto level16 = static_cast<uint16_t>(static_cast<int32_t>(level * gain + 0.5));
                const uint8_t expected = plain::Map(window, level16);
                if (pixel[channel] != expected) {
                    std::ostringstream text;
                    text << "level " << level << " gain " << gain << " column " << 3 * tile + 1
                         << ": " << int{pixel[channel]} << " for " << int{expected};
                    return text.str();
                }
            }
        }
    }
    return "";
}

// Every estimate the wide rows can meet (a prepared level, 0..4095) through
// every channel, for the correction gains, for odd tenths whose products
// ending in a half all round up (1.3, 0.1, 2.1: the double lies above), for
// the other tenths with a form (1.2, 0.5, 15.6), and for tenths that the
// tables render (0.7, 1.7: the double lies below; 0.8, 1.9);
// windows of every range SetWindow can make from 2 to 4096 levels, whose
// numerators then cover every step below the range at the gain of 1, and
// windows of one level or of none SetWindow makes, which the tables render. Plain loops, one
// check per gain and window.
TEST(ColourForm, EveryEstimateThroughEveryChannelMatchesTheDoubleFormula)
{
    const std::vector<uint16_t> samples = LevelTiles();
    const int32_t rowBytes = 3 * (Width - 2);
    std::vector<uint8_t> rows(static_cast<size_t>(rowBytes) * (3 * TileRows - 2));
    const DemosaicArea area{.samples = samples.data(), .width = Width, .xs = 1, .xe = Width - 1, .ys = 1,
                            .ye = 3 * TileRows - 1, .ceiling = Levels - 1, .dest = rows.data(), .rowStep = rowBytes};

    const struct {
        std::array<double, 3> gains;
        bool formed;
    } gainSets[] = {{{1.0, 1.0, 1.0}, true},  {{1.1, 1.0, 1.4}, true},  {{1.1, 1.0, 2.4}, true},
                    {{1.3, 0.1, 2.1}, true},  {{1.2, 0.5, 15.6}, true}, {{0.7, 1.3, 1.7}, false},
                    {{1.3, 1.7, 1.1}, false}, {{0.8, 1.0, 1.0}, false}, {{1.0, 1.9, 1.0}, false}};
    const struct {
        plain::Window window;
        bool formed;
    } windows[] = {
        {{0, 0, 1}, false},         {{0, 1, 2}, true},          {{0, 2, 3}, true},
        {{0, 3, 4}, true},         {{700, 700, 1}, false},      {{700, 701, 2}, true},
        {{0, 254, 255}, true},     {{0, 255, 256}, true},      {{0, 256, 257}, true},
        {{1234, 1489, 256}, true}, {{0, 999, 1000}, true},     {{3, 2049, 2047}, true},
        {{0, 4094, 4095}, true},   {{0, 4095, 4096}, true},    {{4095, 4095, 1}, false},
        {{5000, 9095, 4096}, true}, {{9800, 9827, 28}, true},  {{0, 4096, 4097}, false},
        {{0, 65534, 65535}, false}, {{0, 4095, 100}, false},   {{65535, 65535, 1}, false},
    };
    for (const auto& [gains, formedGains] : gainSets) {
        for (const auto& [window, formedWindow] : windows) {
            const ColourMapSet maps({gains[0], gains[1], gains[2]}, window.low, window.high,
                                    window.range, area.ceiling);
            EXPECT_EQ(maps.Maps().redForm != nullptr, formedGains && formedWindow)
                << window.low << ".." << window.high << " range " << window.range;
            DemosaicColour(area, maps.Maps());
            EXPECT_EQ(FirstMismatch(rows, rowBytes, gains, window), "")
                << window.low << ".." << window.high << " range " << window.range;
        }
    }
}

TEST(ColourForm, NoneForAGainThatIsNotWholeTenthsOrWhoseHalfProductsFallBothWays)
{
    for (const double gain : {1.05, -0.1, 15.7, 1e300, std::nan(""), 1.1 + 1e-15, 0.7, 1.7})
        EXPECT_FALSE(ColourForm::For(gain, 0, 4095, 4096)) << gain;
    EXPECT_TRUE(ColourForm::For(15.6, 0, 4095, 4096));
}

// The AVX-512 rows share their source with the AVX2 ones that every x86
// machine here runs; they themselves run only where the processor has them.
TEST(WidePaths, AvxFiveTwelveIsTakenWhereTheProcessorHasItUnlessSwitchedOff)
{
    const bool present = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw");
    const bool switchedOff =
        std::getenv("VANTREL_NO_AVX512") != nullptr || std::getenv("VANTREL_NO_AVX2") != nullptr;
    EXPECT_EQ(CpuHasAvx512(), present && !switchedOff);
    if (!present)
        GTEST_SKIP() << "this processor lacks AVX-512 F and BW: the AVX-512 rows are compiled but "
                        "not run; the AVX2 rows built from the same source are";
    if (switchedOff)
        GTEST_SKIP() << "AVX-512 switched off for this run";
}

}  // namespace
