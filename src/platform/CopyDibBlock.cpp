#include "platform/CopyDibBlock.h"

#include "imaging/CDibImage.h"
#include "imaging/CpuFeatures.h"
#include "imaging/RunInTwoShares.h"

#include <QRgb>

#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

// Each pixel is read as a little-endian word, blue in its low byte as in
// QRgb, whose top byte (the next pixel's, or the picture's read slack past
// its last row) is replaced by the opaque alpha.
void CopyRowPlain(const uint8_t* source, QRgb* target, int width)
{
    static_assert(CDibImage::PixelReadSlack >= 1 && Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
    for (int x = 0; x < width; ++x, source += 3) {
        quint32 word;
        std::memcpy(&word, source, sizeof word);
        target[x] = word | 0xFF000000u;
    }
}

#if defined(__x86_64__)
// Four pixels per step with one byte shuffle, the copy being as much of a
// repaint's work as the scaling; the 16-byte load stays inside the row, and
// the last pixels go the plain way.
__attribute__((target("ssse3"))) void CopyRowShuffled(const uint8_t* source, QRgb* target, int width)
{
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i alpha = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    int x = 0;
    for (; x + 6 <= width; x += 4) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + 3 * x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + x), _mm_or_si128(_mm_shuffle_epi8(bytes, spread), alpha));
    }
    CopyRowPlain(source + 3 * x, target + x, width - x);
}
#endif

// Below this a thumbnail-sized copy costs less than the hand-over.
constexpr size_t MinimumRowsForTwoShares = 128;

using CopyRow = void (*)(const uint8_t*, QRgb*, int);

CopyRow ChosenCopyRow()
{
#if defined(__x86_64__)
    // The wide paths of the imaging code go together: a machine with AVX2
    // shuffles bytes too, and switching them off tests the plain copy.
    if (CpuHasAvx2())
        return CopyRowShuffled;
#endif
    return CopyRowPlain;
}

}  // namespace

void CopyDibBlock(const CDibImage& dib, QPoint from, QSize size, uchar* target, qsizetype targetStride)
{
    static const CopyRow copyRow = ChosenCopyRow();
    const size_t left = 3 * static_cast<size_t>(from.x());
    const auto rows = static_cast<size_t>(size.height());
    RunInTwoShares(rows, RowsPerShare, MinimumRowsForTwoShares, [&](size_t begin, size_t end) {
        for (size_t y = begin; y < end; ++y)
            copyRow(dib.TopDownRow(from.y() + static_cast<int>(y)) + left,
                    reinterpret_cast<QRgb*>(target + static_cast<qsizetype>(y) * targetStride), size.width());
    });
}
