#include "imaging/SamplePreparation.h"

#include "imaging/CpuFeatures.h"
#include "imaging/RunInTwoShares.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

using Counts = std::array<uint32_t, 4096>;
using Levels = std::array<uint16_t, 4096>;

// Samples rewritten at once before they are counted: small enough to be
// counted from the first-level cache.
constexpr size_t Chunk = 4096;

// The first of four 16-bit words loaded as one is its low word only on a
// little-endian processor.
constexpr uint64_t WordsReversed(uint64_t four)
{
    const uint64_t pairsSwapped = four << 32 | four >> 32;
    return (pairsSwapped & 0x0000FFFF0000FFFF) << 16 | (pairsSwapped >> 16 & 0x0000FFFF0000FFFF);
}
static_assert(WordsReversed(0x0001000200030004) == 0x0004000300020001);

// Neighbouring samples often share a level; counting alternate samples into
// two tables keeps consecutive increments of one counter from waiting on each
// other. Four levels come in one load, which leaves the load ports to the
// counters.
void Count(const uint16_t* levels, size_t n, Counts& evenCounts, Counts& oddCounts)
{
    size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        uint64_t four;
        std::memcpy(&four, levels + i, sizeof four);
        if constexpr (std::endian::native == std::endian::big)
            four = WordsReversed(four);
        ++evenCounts[four & 0xFFFF];
        ++oddCounts[(four >> 16) & 0xFFFF];
        ++evenCounts[(four >> 32) & 0xFFFF];
        ++oddCounts[four >> 48];
    }
    for (; i < n; ++i)
        ++((i & 1) == 0 ? evenCounts : oddCounts)[levels[i]];
}

// Written for the vectoriser: a saturating subtraction per lane.
inline __attribute__((always_inline)) void SubtractBlack(uint16_t* __restrict samples, size_t n,
                                                         uint16_t black)
{
    for (size_t i = 0; i < n; ++i) {
        const auto level = static_cast<uint16_t>(samples[i] & 0xFFF);
        samples[i] = static_cast<uint16_t>(level > black ? level - black : 0);
    }
}

void SubtractBlackBaseline(uint16_t* samples, size_t n, uint16_t black)
{
    SubtractBlack(samples, n, black);
}

#if defined(__x86_64__) && defined(__GNUC__)
[[gnu::target("avx2")]] void SubtractBlackWide(uint16_t* samples, size_t n, uint16_t black)
{
    SubtractBlack(samples, n, black);
}
#endif

using SubtractFunction = void (*)(uint16_t*, size_t, uint16_t);

SubtractFunction SubtractBlackBest()
{
#if defined(__x86_64__) && defined(__GNUC__)
    if (CpuHasAvx2())
        return SubtractBlackWide;
#endif
    return SubtractBlackBaseline;
}

void PrepareWithoutCurve(uint16_t* samples, size_t n, uint16_t black, Counts* counts)
{
    const SubtractFunction subtract = SubtractBlackBest();
    for (size_t begin = 0; begin < n; begin += Chunk) {
        const size_t length = std::min(Chunk, n - begin);
        subtract(samples + begin, length, black);
        Count(samples + begin, length, counts[0], counts[1]);
    }
}

// Black level and curve folded into one table, a lookup per sample.
void PrepareThroughCurve(uint16_t* samples, size_t n, const Levels& map, Counts* counts)
{
    for (size_t begin = 0; begin < n; begin += Chunk) {
        const size_t length = std::min(Chunk, n - begin);
        uint16_t* chunk = samples + begin;
        for (size_t i = 0; i < length; ++i)
            chunk[i] = map[chunk[i] & 0xFFF];
        Count(chunk, length, counts[0], counts[1]);
    }
}

Levels CurveAfterBlack(uint16_t black, const Levels& curve)
{
    Levels map;
    for (size_t v = 0; v < map.size(); ++v)
        map[v] = curve[v >= black ? v - black : 0];
    return map;
}

}  // namespace

void PrepareSamples(uint16_t* samples, size_t count, uint16_t blackLevel, const Levels* curve,
                    std::array<uint32_t, 4096>& histogram)
{
    const Levels map = curve ? CurveAfterBlack(blackLevel, *curve) : Levels{};
    // Two tables per share, summed at the end: sums of integers, so neither
    // the split nor the order changes the result.
    std::array<Counts, 4> partial{};
    RunInTwoShares(count, SamplesPerShare, SamplesForTwoThreads, [&](size_t begin, size_t end, size_t share) {
        Counts* own = &partial[2 * share];
        if (curve)
            PrepareThroughCurve(samples + begin, end - begin, map, own);
        else
            PrepareWithoutCurve(samples + begin, end - begin, blackLevel, own);
    });
    histogram.fill(0);
    for (const Counts& counts : partial)
        for (size_t level = 0; level < histogram.size(); ++level)
            histogram[level] += counts[level];
}
