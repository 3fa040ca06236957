#include "imaging/ScalePictureSmooth.h"

#include "imaging/CDibImage.h"
#include "imaging/RunInTwoShares.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr int WeightBits = 8;
constexpr int WeightOne = 1 << WeightBits;
constexpr int Rounding = 1 << (2 * WeightBits - 1);
// Below this many target pixels the hand-over costs more than it saves, and
// the helper, spinning on after it, keeps a core from the thumbnail loader.
constexpr std::size_t MinimumPixelsForTwoShares = 1 << 16;

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

// One channel of one target pixel from its four source pixels a, b (upper)
// and c, d (lower).
std::uint8_t Blend(int a, int b, int c, int d, int wx, int wy)
{
    const int upper = a * (WeightOne - wx) + b * wx;
    const int lower = c * (WeightOne - wx) + d * wx;
    return static_cast<std::uint8_t>((upper * (WeightOne - wy) + lower * wy + Rounding) >> (2 * WeightBits));
}

void BlendPixel(const std::uint8_t* top, const std::uint8_t* bottom, const Tap& x, int wy, std::uint8_t* target)
{
    const std::uint8_t* a = top + 3 * x.First;
    const std::uint8_t* b = top + 3 * x.Second;
    const std::uint8_t* c = bottom + 3 * x.First;
    const std::uint8_t* d = bottom + 3 * x.Second;
    for (int channel = 0; channel < 3; ++channel)
        target[channel] = Blend(a[channel], b[channel], c[channel], d[channel], x.Weight, wy);
}

#if defined(__SSE2__)
__m128i LoadPixel(const std::uint8_t* pixel)
{
    std::int32_t word;
    std::memcpy(&word, pixel, 4);
    return _mm_cvtsi32_si128(word);
}

// Blend for the target pixels [0, end), the three channels of a pixel side by
// side, to the same bytes. Each pixel is loaded and stored as four bytes, the
// fourth belonging to its neighbour, so end leaves out the last target pixel
// and any tap whose right pixel is the last of its row.
std::size_t BlendPixelsWide(const std::uint8_t* top, const std::uint8_t* bottom, const std::vector<Tap>& xs,
                            std::size_t end, int wy, std::uint8_t* target)
{
    const __m128i zero = _mm_setzero_si128();
    // The weights of upper and lower in the 16-bit halves of each 32-bit lane.
    const __m128i weights = _mm_set1_epi32(wy << 16 | (WeightOne - wy));
    const __m128i rounding = _mm_set1_epi32(Rounding);
    const __m128i lowBytes = _mm_set1_epi16(0xFF);
    std::size_t t = 0;
    for (; t < end; ++t) {
        const std::ptrdiff_t first = 3 * xs[t].First;
        const std::ptrdiff_t second = 3 * xs[t].Second;
        // a and c, b and d, a channel in each 16-bit lane.
        const __m128i ac =
            _mm_unpacklo_epi8(_mm_unpacklo_epi32(LoadPixel(top + first), LoadPixel(bottom + first)), zero);
        const __m128i bd =
            _mm_unpacklo_epi8(_mm_unpacklo_epi32(LoadPixel(top + second), LoadPixel(bottom + second)), zero);
        // upper and lower as 256 a + (b - a) wx: below 65,536, so the 16-bit
        // lanes hold them exactly whatever wraps on the way.
        const __m128i wx = _mm_set1_epi16(static_cast<short>(xs[t].Weight));
        const __m128i sums = _mm_add_epi16(_mm_slli_epi16(ac, WeightBits), _mm_mullo_epi16(_mm_sub_epi16(bd, ac), wx));
        // Upper and lower of each channel side by side, blended by their high
        // and low bytes apart: whole sums do not fit the signed multiplier.
        const __m128i pairs = _mm_unpacklo_epi16(sums, _mm_unpackhi_epi64(sums, sums));
        const __m128i blended =
            _mm_add_epi32(_mm_slli_epi32(_mm_madd_epi16(_mm_srli_epi16(pairs, WeightBits), weights), WeightBits),
                          _mm_madd_epi16(_mm_and_si128(pairs, lowBytes), weights));
        const __m128i bytes = _mm_srli_epi32(_mm_add_epi32(blended, rounding), 2 * WeightBits);
        const std::int32_t word = _mm_cvtsi128_si32(_mm_packus_epi16(_mm_packs_epi32(bytes, bytes), zero));
        std::memcpy(target + 3 * t, &word, 4);
    }
    return t;
}
#endif

void ScaleRow(const std::uint8_t* top, const std::uint8_t* bottom, int wy, const std::vector<Tap>& xs,
              [[maybe_unused]] std::size_t wideEnd, std::uint8_t* target)
{
    std::size_t t = 0;
#if defined(__SSE2__)
    t = BlendPixelsWide(top, bottom, xs, wideEnd, wy, target);
#endif
    for (; t < xs.size(); ++t)
        BlendPixel(top, bottom, xs[t], wy, target + 3 * t);
}

// The target pixels before the last whose taps stop short of the source's
// last column; the taps move right along the row.
std::size_t WideEnd(const std::vector<Tap>& xs, int sourceWidth)
{
    const auto lastColumn =
        std::find_if(xs.begin(), xs.end(), [sourceWidth](const Tap& x) { return x.Second == sourceWidth - 1; });
    return std::min(static_cast<std::size_t>(lastColumn - xs.begin()), xs.size() - 1);
}

}  // namespace

void ScalePictureSmooth(const CDibImage& source, CDibImage& target)
{
    if (!source.Bits() || !target.Bits())
        return;
    const std::vector<Tap> xs = Taps(source.Width(), target.Width());
    const std::vector<Tap> ys = Taps(source.Height(), target.Height());
    const std::size_t wideEnd = WideEnd(xs, source.Width());
    const std::size_t minimumRows = MinimumPixelsForTwoShares / xs.size() + 1;
    RunInTwoShares(ys.size(), RowsPerShare, minimumRows, [&](std::size_t begin, std::size_t end) {
        for (std::size_t row = begin; row < end; ++row)
            ScaleRow(source.TopDownRow(ys[row].First), source.TopDownRow(ys[row].Second), ys[row].Weight, xs,
                     wideEnd, target.TopDownRow(static_cast<int>(row)));
    });
}
