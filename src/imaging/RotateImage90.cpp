#include "imaging/RotateImage90.h"

#include "imaging/TwoBands.h"

#include <algorithm>
#include <cstring>

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

// A pixel moves as four bytes, the fourth landing on its right neighbour,
// which is written after it; only the last pixel of a row moves as three.
void CopyRows(const SourceWalk& walk, CDibImage& dest, int32_t rowBegin, int32_t rowEnd)
{
    const int32_t width = dest.Width();
    const ptrdiff_t rowStep = walk.rowStep;
    const ptrdiff_t columnStep = walk.columnStep;
    for (int32_t r0 = rowBegin; r0 < rowEnd; r0 += Tile) {
        const int32_t r1 = std::min(r0 + Tile, rowEnd);
        for (int32_t c0 = 0; c0 < width; c0 += Tile) {
            const int32_t c1 = std::min(c0 + Tile, width);
            const int32_t wholeEnd = std::min(c1, width - 1);
            for (int32_t r = r0; r < r1; ++r) {
                uint8_t* out = dest.TopDownRow(r) + 3 * static_cast<ptrdiff_t>(c0);
                const uint8_t* in = walk.origin + r * rowStep + c0 * columnStep;
                int32_t c = c0;
                for (; c < wholeEnd; ++c, out += 3, in += columnStep) {
                    uint32_t pixel;
                    std::memcpy(&pixel, in, 4);
                    std::memcpy(out, &pixel, 4);
                }
                if (c < c1)
                    std::memcpy(out, in, 3);
            }
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
