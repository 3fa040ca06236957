#include "imaging/CDibImage.h"

#include "imaging/Convolution.h"

#include <limits>
#include <new>
#include <utility>

CDibImage::CDibImage(CDibImage&& other) noexcept
    : stride_(std::exchange(other.stride_, 0)), bits_(std::move(other.bits_)),
      info_(std::exchange(other.info_, DibInfo{}))
{
}

CDibImage& CDibImage::operator=(CDibImage&& other) noexcept
{
    stride_ = std::exchange(other.stride_, 0);
    bits_ = std::move(other.bits_);
    info_ = std::exchange(other.info_, DibInfo{});
    return *this;
}

bool CDibImage::Create(int32_t width, int32_t height)
{
    bits_.reset();
    stride_ = 0;
    info_ = DibInfo{};
    // The stride must fit its 32-bit field and the image its 32-bit size.
    constexpr int64_t limit = std::numeric_limits<int32_t>::max();
    if (width <= 0 || height <= 0 || 3 * int64_t{width} + 3 > limit)
        return false;
    const int32_t stride = StrideFor(width);
    const int64_t size = int64_t{stride} * height;
    if (size > limit)
        return false;
    bits_.reset(new (std::nothrow) uint8_t[static_cast<size_t>(size) + PixelReadSlack]);
    if (!bits_)
        return false;
    stride_ = stride;
    info_ = {width, height, true, static_cast<uint32_t>(size)};
    return true;
}

void CDibImage::Convolve(const int32_t* kernel, int size, int divisor)
{
    if (!bits_ || !kernel || size < 1 || divisor == 0 || Width() <= size - 1 ||
        Height() <= size - 1)
        return;
    ConvolveInPlace({bits_.get(), stride_, Width(), Height(), kernel, size, divisor});
}
