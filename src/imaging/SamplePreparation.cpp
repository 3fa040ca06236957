#include "imaging/SamplePreparation.h"

#include "imaging/TwoBands.h"

namespace {

using Counts = std::array<uint32_t, 4096>;

// Neighbouring samples often share a level; counting alternate samples into
// two tables keeps consecutive increments of one counter from waiting on each
// other.
void PrepareRange(uint16_t* samples, size_t begin, size_t end, const std::array<uint16_t, 4096>& map,
                  Counts& evenCounts, Counts& oddCounts)
{
    size_t i = begin;
    for (; i + 1 < end; i += 2) {
        const uint16_t a = map[samples[i] & 0xFFF];
        const uint16_t b = map[samples[i + 1] & 0xFFF];
        samples[i] = a;
        samples[i + 1] = b;
        ++evenCounts[a];
        ++oddCounts[b];
    }
    if (i < end) {
        const uint16_t a = map[samples[i] & 0xFFF];
        samples[i] = a;
        ++evenCounts[a];
    }
}

}  // namespace

void PrepareSamples(uint16_t* samples, size_t count, const std::array<uint16_t, 4096>& levelMap,
                    std::array<uint32_t, 4096>& histogram)
{
    // Two tables per band, summed at the end: sums of integers, so neither the
    // split nor the order changes the result.
    std::array<Counts, 4> partial{};
    RunInTwoBands(count, SamplesForTwoThreads, [&](size_t begin, size_t end) {
        Counts* own = begin == 0 ? &partial[0] : &partial[2];
        PrepareRange(samples, begin, end, levelMap, own[0], own[1]);
    });
    histogram.fill(0);
    for (const Counts& counts : partial)
        for (size_t level = 0; level < histogram.size(); ++level)
            histogram[level] += counts[level];
}
