#include "imaging/Convolution.h"

#include "imaging/CpuFeatures.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// One output row from the unfiltered rows of its window (top to bottom).
// Sum is the type the products are added in: int16_t when no sum of the
// kernel can leave its range (eight or sixteen bytes per instruction), else
// int32_t.
template <class Sum, bool Divide, class Weights, class Rows>
inline __attribute__((always_inline)) void FilterRowWith(const Weights& weights,
                                                         const Rows& window, int n, int32_t width,
                                                         int divisor, uint8_t* __restrict out)
{
    const int half = n / 2;
    const int32_t end = 3 * (width - half);
    for (int32_t i = 3 * half; i < end; ++i) {
        Sum sum = 0;
        for (int ky = 0; ky < n; ++ky)
            for (int kx = 0; kx < n; ++kx)
                sum = static_cast<Sum>(sum + weights[ky * n + kx] * window[ky][i + 3 * (kx - half)]);
        if constexpr (Divide)
            sum = static_cast<Sum>(sum / divisor);
        out[i] = static_cast<uint8_t>(std::clamp<Sum>(sum, 0, 255));
    }
}

// The program's own filters: 3 x 3, divisor 1, small weights. Weights and
// row pointers live in locals so they stay in registers.
inline __attribute__((always_inline)) void FilterRowNarrow3(const int16_t* weights,
                                                            const uint8_t* const* window,
                                                            int32_t width, uint8_t* out)
{
    std::array<int16_t, 9> localWeights;
    std::array<const uint8_t*, 3> localRows;
    std::copy_n(weights, 9, localWeights.begin());
    std::copy_n(window, 3, localRows.begin());
    FilterRowWith<int16_t, false>(localWeights, localRows, 3, width, 1, out);
}

void FilterRowNarrow3Baseline(const int16_t* weights, const uint8_t* const* window,
                              int32_t width, uint8_t* out)
{
    FilterRowNarrow3(weights, window, width, out);
}

// The same compiled for the wider vectors most machines have.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("avx2"))) void FilterRowNarrow3Wide(const int16_t* weights,
                                                          const uint8_t* const* window,
                                                          int32_t width, uint8_t* out)
{
    FilterRowNarrow3(weights, window, width, out);
}
#endif

using NarrowRowFunction = void (*)(const int16_t*, const uint8_t* const*, int32_t, uint8_t*);

NarrowRowFunction FilterRowNarrow3Best()
{
#if defined(__x86_64__) && defined(__GNUC__)
    if (CpuHasAvx2())
        return FilterRowNarrow3Wide;
#endif
    return FilterRowNarrow3Baseline;
}

struct Rows {
    const ConvolutionJob& job;

    uint8_t* TopDown(int32_t r) const
    {
        return job.bits + static_cast<ptrdiff_t>(job.height - 1 - r) * job.stride;
    }
};

// Walks the rows top to bottom; the row function gets the n unfiltered rows
// around each output row and writes the output row in place.
template <class RowFunction>
void FilterRows(const ConvolutionJob& job, const RowFunction& filterRow)
{
    const int n = job.size;
    const int half = n / 2;
    const size_t rowBytes = 3 * static_cast<size_t>(job.width);
    const Rows rows{job};
    // Unfiltered copies of the last n rows read; row r sits in slot r % n.
    std::vector<uint8_t> ring(rowBytes * n);
    std::vector<const uint8_t*> window(n);
    const auto keep = [&](int32_t r) {
        std::memcpy(ring.data() + (r % n) * rowBytes, rows.TopDown(r), rowBytes);
    };
    for (int32_t r = 0; r < n - 1; ++r)
        keep(r);
    for (int32_t y = half; y <= job.height - 1 - half; ++y) {
        keep(y + n - 1 - half);
        for (int ky = 0; ky < n; ++ky)
            window[ky] = ring.data() + ((y - half + ky) % n) * rowBytes;
        filterRow(window.data(), rows.TopDown(y));
    }
}

// Whether every sum of products with bytes stays inside 16 bits.
bool FitsSixteenBits(const int32_t* kernel, int count)
{
    int64_t reach = 0;
    for (int i = 0; i < count; ++i)
        reach += std::abs(int64_t{kernel[i]}) * 255;
    return reach <= 32767;
}

}  // namespace

void ConvolveInPlace(const ConvolutionJob& job)
{
    const int count = job.size * job.size;
    if (job.size == 3 && job.divisor == 1 && FitsSixteenBits(job.kernel, count)) {
        std::array<int16_t, 9> weights;
        std::copy_n(job.kernel, 9, weights.begin());
        const NarrowRowFunction filterRow = FilterRowNarrow3Best();
        FilterRows(job, [&](const uint8_t* const* window, uint8_t* out) {
            filterRow(weights.data(), window, job.width, out);
        });
        return;
    }
    // Kept apart from the picture so the stores cannot alias them.
    const std::vector<int32_t> weights(job.kernel, job.kernel + count);
    FilterRows(job, [&](const uint8_t* const* window, uint8_t* out) {
        if (job.divisor == 1)
            FilterRowWith<int32_t, false>(weights.data(), window, job.size, job.width, 1, out);
        else
            FilterRowWith<int32_t, true>(weights.data(), window, job.size, job.width,
                                         job.divisor, out);
    });
}
