#include "imaging/RotateImage90.h"

#include "imaging/CpuFeatures.h"
#include "imaging/TwoBands.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace {

// Pixels per side of the square tiles the copy walks, so that the source
// rows of one tile stay in the cache while it is written.
constexpr int32_t Tile = 64;
constexpr size_t RowsForTwoThreads = 4 * Tile;

// The source pixel of destination (row r, column c), rows from the top, is
// origin + r x rowStep + c x columnStep.
struct SourceWalk {
    const uint8_t* origin;
    ptrdiff_t rowStep;
    ptrdiff_t columnStep;

    const uint8_t* At(int32_t r, int32_t c) const { return origin + r * rowStep + c * columnStep; }
};

SourceWalk WalkFor(const CDibImage& source, int direction)
{
    const ptrdiff_t stride = source.Stride();
    if (direction == RotateClockwise)
        // Destination row r is source column r read from the bottom up; the
        // bottom source row is first in memory.
        return {source.Bits(), 3, stride};
    // Destination row r is source column (width - 1 - r) read from the top.
    return {source.TopDownRow(0) + 3 * static_cast<ptrdiff_t>(source.Width() - 1), -3, -stride};
}

// Pixels [c, end) of destination row r. A pixel moves as four bytes, the
// fourth landing on its right neighbour, which is written after it; only the
// last pixel of a row moves as three.
void CopyPixels(const SourceWalk& walk, CDibImage& dest, int32_t r, int32_t c, int32_t end)
{
    const ptrdiff_t columnStep = walk.columnStep;
    const int32_t wholeEnd = std::min(end, dest.Width() - 1);
    uint8_t* out = dest.TopDownRow(r) + 3 * static_cast<ptrdiff_t>(c);
    const uint8_t* in = walk.At(r, c);
    for (; c < wholeEnd; ++c, out += 3, in += columnStep) {
        uint32_t pixel;
        std::memcpy(&pixel, in, 4);
        std::memcpy(out, &pixel, 4);
    }
    if (c < end)
        std::memcpy(out, in, 3);
}

// Destination rows r..r + 3 from column c towards end in blocks of four by
// four pixels: four loads, a transpose in registers, four stores. Returns the
// column where it stopped; c on machines without AVX2.
#if defined(__x86_64__) && defined(__GNUC__)
[[gnu::target("avx2")]] int32_t CopyBlocksWide(const SourceWalk& walk, CDibImage& dest, int32_t r,
                                               int32_t c, int32_t end)
{
    // A block's stores write four bytes past it, for what follows in the row
    // to overwrite; none may pass the end of the row.
    const int32_t blockEnd = std::min(end, dest.Width() - 2);
    // The four source pixels of a destination column lie side by side,
    // ascending clockwise and descending the other way.
    const bool ascending = walk.rowStep > 0;
    const ptrdiff_t lowest = ascending ? 0 : 3 * walk.rowStep;
    const __m128i spread = ascending ? _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1)
                                     : _mm_setr_epi8(9, 10, 11, -1, 6, 7, 8, -1, 3, 4, 5, -1, 0, 1, 2, -1);
    const __m128i squeeze = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    uint8_t* const rows[4] = {dest.TopDownRow(r), dest.TopDownRow(r + 1), dest.TopDownRow(r + 2),
                              dest.TopDownRow(r + 3)};
    for (; c + 4 <= blockEnd; c += 4) {
        // Column j of the block, pixel i in 32-bit lane i.
        __m128i column[4];
        for (int j = 0; j < 4; ++j) {
            const auto* from = reinterpret_cast<const __m128i*>(walk.At(r, c + j) + lowest);
            column[j] = _mm_shuffle_epi8(_mm_loadu_si128(from), spread);
        }
        const __m128i first = _mm_unpacklo_epi32(column[0], column[1]);
        const __m128i second = _mm_unpacklo_epi32(column[2], column[3]);
        const __m128i third = _mm_unpackhi_epi32(column[0], column[1]);
        const __m128i fourth = _mm_unpackhi_epi32(column[2], column[3]);
        const __m128i row[4] = {_mm_unpacklo_epi64(first, second), _mm_unpackhi_epi64(first, second),
                                _mm_unpacklo_epi64(third, fourth), _mm_unpackhi_epi64(third, fourth)};
        for (int i = 0; i < 4; ++i)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(rows[i] + 3 * static_cast<ptrdiff_t>(c)),
                             _mm_shuffle_epi8(row[i], squeeze));
    }
    return c;
}
#endif

int32_t CopyBlocks(const SourceWalk& walk, CDibImage& dest, int32_t r, int32_t c, int32_t end)
{
#if defined(__x86_64__) && defined(__GNUC__)
    if (CpuHasAvx2())
        return CopyBlocksWide(walk, dest, r, c, end);
#endif
    return c;
}

void CopyRows(const SourceWalk& walk, CDibImage& dest, int32_t rowBegin, int32_t rowEnd)
{
    const int32_t width = dest.Width();
    for (int32_t r0 = rowBegin; r0 < rowEnd; r0 += Tile) {
        const int32_t r1 = std::min(r0 + Tile, rowEnd);
        for (int32_t c0 = 0; c0 < width; c0 += Tile) {
            const int32_t c1 = std::min(c0 + Tile, width);
            int32_t r = r0;
            for (; r + 4 <= r1; r += 4) {
                const int32_t rest = CopyBlocks(walk, dest, r, c0, c1);
                for (int32_t i = 0; i < 4; ++i)
                    CopyPixels(walk, dest, r + i, rest, c1);
            }
            for (; r < r1; ++r)
                CopyPixels(walk, dest, r, c0, c1);
        }
    }
}

}  // namespace

std::unique_ptr<CDibImage> RotateImage90(const CDibImage& source, int direction)
{
    if (!source.Bits() || (direction != RotateClockwise && direction != RotateCounterClockwise))
        return nullptr;
    auto dest = std::make_unique<CDibImage>();
    if (!dest->Create(source.Height(), source.Width()))
        return nullptr;
    const SourceWalk walk = WalkFor(source, direction);
    // Bands of whole tile rows, each written by one thread only.
    const auto tileRows = static_cast<size_t>((dest->Height() + Tile - 1) / Tile);
    RunInTwoBands(tileRows, RowsForTwoThreads / Tile, [&](size_t begin, size_t end) {
        const auto rowEnd = std::min<int32_t>(static_cast<int32_t>(end) * Tile, dest->Height());
        CopyRows(walk, *dest, static_cast<int32_t>(begin) * Tile, rowEnd);
    });
    return dest;
}
