#include "imaging/GammaCurve.h"
#include "imaging/SamplePreparation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <vector>

namespace {

using Histogram = std::array<uint32_t, 4096>;

// Counts that end inside, at and just past a chunk of the counting, and
// counts split between two threads with an odd sample over.
TEST(SamplePreparation, EveryCountBlackLevelAndCurveAgainstOneSampleAtATime)
{
    GammaCurve gamma;
    const std::array<uint16_t, 4096> curve = gamma.TableFor(2.2);
    std::mt19937 random(4096);
    for (const size_t count : {size_t{0}, size_t{1}, size_t{4095}, size_t{4096}, size_t{4097},
                               2 * SamplesForTwoThreads + 3}) {
        // Any 16 bits: the top four are not part of the level.
        std::vector<uint16_t> samples(count);
        for (uint16_t& sample : samples)
            sample = static_cast<uint16_t>(random());
        for (const uint16_t black : {0, 1, 700, 4095}) {
            for (const bool curved : {false, true}) {
                std::vector<uint16_t> expected = samples;
                Histogram expectedCounts{};
                for (uint16_t& sample : expected) {
                    const int level = std::max((sample & 0xFFF) - black, 0);
                    sample = curved ? curve[level] : static_cast<uint16_t>(level);
                    ++expectedCounts[sample];
                }
                std::vector<uint16_t> prepared = samples;
                Histogram counts;
                counts.fill(7);
                PrepareSamples(prepared.data(), count, black, curved ? &curve : nullptr, counts);
                EXPECT_EQ(prepared, expected) << count << " black " << black << " curved " << curved;
                EXPECT_EQ(counts, expectedCounts) << count << " black " << black << " curved " << curved;
            }
        }
    }
}

}  // namespace
