#include "imaging/DemosaicWide.h"

#include "imaging/CpuFeatures.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>

namespace {

constexpr int32_t Sites = 16;
// Each group of sites writes four bytes past its last pixel, which the next
// group overwrites; the last group stops while two more pixels remain, so
// nothing outside the row is touched.
constexpr int32_t Overrun = 2;

struct Estimates {
    __m256i red;
    __m256i green;
    __m256i blue;
};

[[gnu::target("avx2")]] inline __m256i Load(const uint16_t* p)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

[[gnu::target("avx2")]] inline __m256i Add(__m256i a, __m256i b)
{
    return _mm256_add_epi16(a, b);
}

// The sixteen sites from x on; crossLanes marks the blue or red sites.
template <bool BlueRow>
[[gnu::target("avx2")]] inline Estimates EstimateSites(const SensorRow& row, int32_t x,
                                                     __m256i crossLanes)
{
    const __m256i own = Load(row.mid + x);
    const __m256i across = Add(Load(row.mid + x - 1), Load(row.mid + x + 1));
    const __m256i upDown = Add(Load(row.up + x), Load(row.down + x));
    const __m256i diagonal = Add(Add(Load(row.up + x - 1), Load(row.up + x + 1)),
                                 Add(Load(row.down + x - 1), Load(row.down + x + 1)));
    // n / 5 as (n x 52429) >> 18, exact for every 16-bit n.
    const __m256i fifth = _mm256_srli_epi16(
        _mm256_mulhi_epu16(Add(own, diagonal), _mm256_set1_epi16(static_cast<short>(52429))), 2);
    const __m256i crossGreen = _mm256_srli_epi16(Add(across, upDown), 2);
    // A cross site has its own colour and the diagonal mean; a green site the
    // means up-down and across. Which is red and which blue depends on the row.
    const __m256i p = _mm256_blendv_epi8(_mm256_srli_epi16(upDown, 1),
                                         _mm256_srli_epi16(diagonal, 2), crossLanes);
    const __m256i q = _mm256_blendv_epi8(_mm256_srli_epi16(across, 1), own, crossLanes);
    const __m256i green = _mm256_blendv_epi8(fifth, crossGreen, crossLanes);
    if constexpr (BlueRow)
        return {p, green, q};
    else
        return {q, green, p};
}

// The map's byte for each of eight estimates, in the low byte of 32-bit lanes.
[[gnu::target("avx2")]] inline __m256i Lookup(const uint8_t* map, __m128i estimates)
{
    const __m256i gathered = _mm256_i32gather_epi32(reinterpret_cast<const int*>(map),
                                                    _mm256_cvtepu16_epi32(estimates), 1);
    return _mm256_and_si256(gathered, _mm256_set1_epi32(0xFF));
}

// Eight pixels as blue, green, red bytes: four in the low twelve bytes of
// each 128-bit half.
[[gnu::target("avx2")]] inline __m256i Pixels(const ColourMaps& maps, __m128i red, __m128i green,
                                             __m128i blue)
{
    const __m256i b = Lookup(maps.blue, blue);
    const __m256i g = _mm256_slli_epi32(Lookup(maps.green, green), 8);
    const __m256i r = _mm256_slli_epi32(Lookup(maps.red, red), 16);
    const __m256i squeeze = _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1,
                                             0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    return _mm256_shuffle_epi8(_mm256_or_si256(_mm256_or_si256(b, g), r), squeeze);
}

// Writes 24 bytes of pixels and 4 bytes past them.
[[gnu::target("avx2")]] inline void Store(uint8_t* out, __m256i pixels)
{
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm256_castsi256_si128(pixels));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 12), _mm256_extracti128_si256(pixels, 1));
}

[[gnu::target("avx2")]] inline __m128i Low(__m256i v)
{
    return _mm256_castsi256_si128(v);
}

[[gnu::target("avx2")]] inline __m128i High(__m256i v)
{
    return _mm256_extracti128_si256(v, 1);
}

template <bool BlueRow>
[[gnu::target("avx2")]] int32_t WideRow(const SensorRow& row, const ColourMaps& maps)
{
    // Blue sites are the even columns of a blue row, red ones the odd columns
    // of a red row; lane 0 holds column xs.
    const bool crossFirst = ((row.xs & 1) == 0) == BlueRow;
    const __m256i crossLanes = _mm256_set1_epi32(crossFirst ? 0x0000FFFF : ~0x0000FFFF);
    int32_t x = row.xs;
    for (uint8_t* out = row.out; x + Sites + Overrun <= row.xe; x += Sites, out += 3 * Sites) {
        const Estimates e = EstimateSites<BlueRow>(row, x, crossLanes);
        Store(out, Pixels(maps, Low(e.red), Low(e.green), Low(e.blue)));
        Store(out + 24, Pixels(maps, High(e.red), High(e.green), High(e.blue)));
    }
    return x;
}

}  // namespace

int32_t DemosaicColourRowWide(const SensorRow& row, const ColourMaps& maps)
{
    if (!CpuHasAvx2())
        return row.xs;
    return row.blueRow ? WideRow<true>(row, maps) : WideRow<false>(row, maps);
}

#else

int32_t DemosaicColourRowWide(const SensorRow& row, const ColourMaps&)
{
    return row.xs;
}

#endif
