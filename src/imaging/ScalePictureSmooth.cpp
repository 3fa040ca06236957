#include "imaging/ScalePictureSmooth.h"

#include "imaging/CDibImage.h"
#include "imaging/TwoBands.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr int WeightBits = 8;
constexpr int WeightOne = 1 << WeightBits;
constexpr int Rounding = 1 << (2 * WeightBits - 1);
// Below this many target rows the hand-over costs more than it saves.
constexpr std::size_t MinimumRowsForTwoBands = 64;
// Rows a thread takes at a time.
constexpr std::size_t RowsPerShare = 32;

// Where a target pixel samples the source along one axis: the two source
// pixels around the centre it stands for, and the weight of the second.
struct Tap {
    int First = 0;
    int Second = 0;
    int Weight = 0;
};

// (t + 0.5) * source / target - 0.5, clamped at the edges; in fixed point so
// that the samples do not hang on rounding modes.
std::vector<Tap> Taps(int source, int target)
{
    std::vector<Tap> taps(static_cast<std::size_t>(target));
    const std::int64_t step = (std::int64_t{source} << 16) / target;
    for (int t = 0; t < target; ++t) {
        const std::int64_t centre = std::max<std::int64_t>(0, (2 * t + 1) * step / 2 - (1 << 15));
        const int first = std::min(static_cast<int>(centre >> 16), source - 1);
        taps[static_cast<std::size_t>(t)] = {first, std::min(first + 1, source - 1),
                                             static_cast<int>((centre >> (16 - WeightBits)) & (WeightOne - 1))};
    }
    return taps;
}

void ScaleRow(const std::uint8_t* top, const std::uint8_t* bottom, int wy, const std::vector<Tap>& xs,
              std::uint8_t* target)
{
    for (const Tap& x : xs) {
        const std::uint8_t* a = top + 3 * x.First;
        const std::uint8_t* b = top + 3 * x.Second;
        const std::uint8_t* c = bottom + 3 * x.First;
        const std::uint8_t* d = bottom + 3 * x.Second;
        const int wx = x.Weight;
        for (int channel = 0; channel < 3; ++channel) {
            const int upper = a[channel] * (WeightOne - wx) + b[channel] * wx;
            const int lower = c[channel] * (WeightOne - wx) + d[channel] * wx;
            *target++ = static_cast<std::uint8_t>((upper * (WeightOne - wy) + lower * wy + Rounding) >> (2 * WeightBits));
        }
    }
}

}  // namespace

void ScalePictureSmooth(const CDibImage& source, CDibImage& target)
{
    if (!source.Bits() || !target.Bits())
        return;
    const std::vector<Tap> xs = Taps(source.Width(), target.Width());
    const std::vector<Tap> ys = Taps(source.Height(), target.Height());
    RunInTwoShares(ys.size(), RowsPerShare, MinimumRowsForTwoBands, [&](std::size_t begin, std::size_t end) {
        for (std::size_t row = begin; row < end; ++row)
            ScaleRow(source.TopDownRow(ys[row].First), source.TopDownRow(ys[row].Second), ys[row].Weight, xs,
                     target.TopDownRow(static_cast<int>(row)));
    });
}
