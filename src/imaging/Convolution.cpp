#include "imaging/Convolution.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

namespace {

// The kernel and its geometry; Size is the compile-time size of the common
// 3 x 3 case (so its loops unroll and vectorise) or 0 for any other size.
template <int Size>
struct Kernel {
    int size;
    const int32_t* weights;

    int Extent() const { return Size != 0 ? Size : size; }
};

// One output row from the unfiltered rows of its window (top to bottom).
template <int Size, bool Divide>
void FilterRow(const Kernel<Size>& kernel, const uint8_t* const* window, int32_t width,
               int divisor, uint8_t* __restrict out)
{
    const int n = kernel.Extent();
    const int half = n / 2;
    const int32_t end = 3 * (width - half);
    for (int32_t i = 3 * half; i < end; ++i) {
        int32_t sum = 0;
        for (int ky = 0; ky < n; ++ky)
            for (int kx = 0; kx < n; ++kx)
                sum += kernel.weights[ky * n + kx] * window[ky][i + 3 * (kx - half)];
        if constexpr (Divide)
            sum /= divisor;
        out[i] = static_cast<uint8_t>(std::clamp(sum, 0, 255));
    }
}

template <int Size, bool Divide>
void FilterRows(const ConvolutionJob& job)
{
    const int n = Size != 0 ? Size : job.size;
    const int half = n / 2;
    const size_t rowBytes = 3 * static_cast<size_t>(job.width);
    // Kept apart from the picture so the stores below cannot alias them.
    std::vector<int32_t> weights(job.kernel, job.kernel + n * n);
    const Kernel<Size> kernel{n, weights.data()};
    // Unfiltered copies of the last n rows read; row r sits in slot r % n.
    std::vector<uint8_t> ring(rowBytes * n);
    std::vector<const uint8_t*> window(n);
    const auto row = [&](int32_t r) {
        return job.bits + static_cast<ptrdiff_t>(job.height - 1 - r) * job.stride;
    };
    const auto keep = [&](int32_t r) {
        std::memcpy(ring.data() + (r % n) * rowBytes, row(r), rowBytes);
    };
    for (int32_t r = 0; r < n - 1; ++r)
        keep(r);
    for (int32_t y = half; y <= job.height - 1 - half; ++y) {
        keep(y + n - 1 - half);
        for (int ky = 0; ky < n; ++ky)
            window[ky] = ring.data() + ((y - half + ky) % n) * rowBytes;
        FilterRow<Size, Divide>(kernel, window.data(), job.width, job.divisor, row(y));
    }
}

template <int Size>
void FilterRowsBy(const ConvolutionJob& job)
{
    if (job.divisor == 1)
        FilterRows<Size, false>(job);
    else
        FilterRows<Size, true>(job);
}

}  // namespace

void ConvolveInPlace(const ConvolutionJob& job)
{
    if (job.size == 3)
        FilterRowsBy<3>(job);
    else
        FilterRowsBy<0>(job);
}
