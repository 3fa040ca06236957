#include "imaging/RotateImage90.h"

#include "imaging/CpuFeatures.h"
#include "imaging/RunInTwoShares.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace {

// Destination columns per strip. Each pass down a strip reads a short run
// from every one of its source rows: the strip is narrow enough for those
// rows' lines to stay in the first-level cache from one pass to the next,
// and wide enough for every destination row to be written in long runs.
constexpr int32_t StripColumns = 256;
// Destination rows per pass: the longer the run read from each source row
// per visit, the fewer visits.
constexpr int32_t GroupRows = 8;
constexpr size_t RowsForTwoThreads = 256;
// Rows each thread takes at a time, whole row groups.
constexpr size_t ChunkRows = 8 * GroupRows;

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

// Destination rows r .. r + count - 1 in the order their pixels lie in the
// source runs: top down clockwise, bottom up the other way. The run of
// column c starts at At(r, c) + lowest.
struct RowGroup {
    uint8_t* rows[GroupRows];
    int32_t count;
    ptrdiff_t lowest;
};

RowGroup GroupAt(SourceWalk walk, CDibImage& dest, int32_t r, int32_t count)
{
    const bool ascending = walk.rowStep > 0;
    RowGroup group{{}, count, ascending ? 0 : (count - 1) * walk.rowStep};
    for (int32_t i = 0; i < count; ++i)
        group.rows[i] = dest.TopDownRow(ascending ? r + i : r + count - 1 - i);
    return group;
}

uint64_t LoadWord(const uint8_t* p)
{
    uint64_t word;
    std::memcpy(&word, p, 8);
    return word;
}

void StoreWord(uint8_t* p, uint64_t word)
{
    std::memcpy(p, &word, 8);
}

// Two pixels each of two neighbouring source runs, crossed over: the first
// of each run side by side into upper, the second of each into lower. Each
// store writes two bytes past its six for what follows in the row to
// overwrite.
void CrossPairs(const uint8_t* first, const uint8_t* second, uint8_t* upper, uint8_t* lower)
{
    constexpr uint64_t Pixel = 0xFFFFFF;
    const uint64_t a = LoadWord(first);
    const uint64_t b = LoadWord(second);
    StoreWord(upper, (a & Pixel) | (b << 24));
    StoreWord(lower, ((a >> 24) & Pixel) | (b & ~Pixel));
}

// FixedCount, where not 0, is the group's count known when compiling: a full
// group's rows then unroll without a test between each pair.
template <int32_t FixedCount>
int32_t CopyPairsOf(SourceWalk walk, RowGroup group, int32_t r, int32_t c, int32_t blockEnd)
{
    const int32_t count = FixedCount ? FixedCount : group.count;
    for (; c + 2 <= blockEnd; c += 2) {
        const uint8_t* first = walk.At(r, c) + group.lowest;
        const ptrdiff_t out = 3 * static_cast<ptrdiff_t>(c);
        for (int32_t k = 0; k + 1 < count; k += 2)
            CrossPairs(first + 3 * k, first + walk.columnStep + 3 * k, group.rows[k] + out,
                       group.rows[k + 1] + out);
    }
    return c;
}

// Two columns at a time from c towards blockEnd as two by two crossings in
// 64-bit words, which any processor has: half the stores of single pixels.
// Returns the column where it stopped.
int32_t CopyPairs(SourceWalk walk, RowGroup group, int32_t r, int32_t c, int32_t blockEnd)
{
    // The shifts place pixels by their byte order in a word.
    if constexpr (std::endian::native != std::endian::little)
        return c;
    if (group.count == GroupRows)
        return CopyPairsOf<GroupRows>(walk, group, r, c, blockEnd);
    return CopyPairsOf<0>(walk, group, r, c, blockEnd);
}

// Blocks of four columns by eight rows, the first four rows in the low half
// of each register and the next four in the high half: pixels spread to 32
// bits, transposed, squeezed back. Each load reads four bytes past its four
// pixels and each store writes four past them. Returns the column where it
// stopped.
#if defined(__x86_64__) && defined(__GNUC__)
[[gnu::target("avx2")]] int32_t CopyBlocksWide(SourceWalk walk, RowGroup group, int32_t r, int32_t c,
                                               int32_t blockEnd)
{
    static_assert(GroupRows == 8, "a block fills the two halves of a register with four rows each");
    const __m256i spread = _mm256_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1, 0, 1, 2, -1, 3,
                                            4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m256i squeeze = _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1, 0, 1, 2, 4,
                                             5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    for (; c + 4 <= blockEnd; c += 4) {
        // Column j, pixel i of each half in 32-bit lane i.
        __m256i column[4];
        for (int32_t j = 0; j < 4; ++j) {
            const uint8_t* from = walk.At(r, c + j) + group.lowest;
            column[j] = _mm256_shuffle_epi8(_mm256_loadu2_m128i(reinterpret_cast<const __m128i*>(from + 12),
                                                                reinterpret_cast<const __m128i*>(from)),
                                            spread);
        }
        const __m256i first = _mm256_unpacklo_epi32(column[0], column[1]);
        const __m256i second = _mm256_unpacklo_epi32(column[2], column[3]);
        const __m256i third = _mm256_unpackhi_epi32(column[0], column[1]);
        const __m256i fourth = _mm256_unpackhi_epi32(column[2], column[3]);
        const __m256i row[4] = {_mm256_unpacklo_epi64(first, second), _mm256_unpackhi_epi64(first, second),
                                _mm256_unpacklo_epi64(third, fourth), _mm256_unpackhi_epi64(third, fourth)};
        const ptrdiff_t out = 3 * static_cast<ptrdiff_t>(c);
        for (int32_t i = 0; i < 4; ++i) {
            const __m256i packed = _mm256_shuffle_epi8(row[i], squeeze);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(group.rows[i] + out), _mm256_castsi256_si128(packed));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(group.rows[i + 4] + out),
                             _mm256_extracti128_si256(packed, 1));
        }
    }
    return c;
}
#endif

// Pixels [c, end) of destination row r. A pixel moves as four bytes, the
// fourth landing on its right neighbour, which is written after it; only the
// last pixel of a row moves as three.
void CopyPixels(SourceWalk walk, CDibImage& dest, int32_t r, int32_t c, int32_t end)
{
    const int32_t wholeEnd = std::min(end, dest.Width() - 1);
    uint8_t* out = dest.TopDownRow(r) + 3 * static_cast<ptrdiff_t>(c);
    const uint8_t* in = walk.At(r, c);
    for (; c < wholeEnd; ++c, out += 3, in += walk.columnStep) {
        uint32_t pixel;
        std::memcpy(&pixel, in, 4);
        std::memcpy(out, &pixel, 4);
    }
    if (c < end)
        std::memcpy(out, in, 3);
}

// Destination rows r .. r + count - 1, columns [c, end): blocks as wide as the
// processor and the group allow, then the pixels they leave.
void CopyGroup(SourceWalk walk, CDibImage& dest, int32_t r, int32_t count, int32_t c, int32_t end)
{
    const RowGroup group = GroupAt(walk, dest, r, count);
    // A block's stores write up to four bytes past it, for what follows in
    // the row to overwrite; none may pass the end of the row.
    const int32_t blockEnd = std::min(end, dest.Width() - 2);
#if defined(__x86_64__) && defined(__GNUC__)
    if (count == GroupRows && CpuHasAvx2())
        c = CopyBlocksWide(walk, group, r, c, blockEnd);
#endif
    c = CopyPairs(walk, group, r, c, blockEnd);
    for (int32_t i = 0; i < count; ++i)
        CopyPixels(walk, dest, r + i, c, end);
}

void CopyRows(SourceWalk walk, CDibImage& dest, int32_t rowBegin, int32_t rowEnd)
{
    const int32_t width = dest.Width();
    for (int32_t c0 = 0; c0 < width; c0 += StripColumns) {
        const int32_t c1 = std::min(c0 + StripColumns, width);
        int32_t r = rowBegin;
        for (int32_t count = 0; r + 2 <= rowEnd; r += count) {
            // Pairs of rows only: the blocks cross them two by two.
            count = std::min(GroupRows, (rowEnd - r) & ~1);
            CopyGroup(walk, dest, r, count, c0, c1);
        }
        if (r < rowEnd)
            CopyPixels(walk, dest, r, c0, c1);
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
    const auto rows = static_cast<size_t>(dest->Height());
    RunInTwoShares(rows, ChunkRows, RowsForTwoThreads, [&](size_t begin, size_t end) {
        CopyRows(walk, *dest, static_cast<int32_t>(begin), static_cast<int32_t>(end));
    });
    return dest;
}
