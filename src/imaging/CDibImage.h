#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// The header fields of a picture as a 24-bit device-independent bitmap.
struct DibInfo {
    int32_t Width = 0;
    int32_t Height = 0;
    // Rows are stored bottom-up: the last row in memory is the top of the picture.
    bool BottomUp = true;
    // Stride x height.
    uint32_t SizeImage = 0;
};

// A 24-bit picture that every view paints and prints: pixels of three bytes
// blue, green, red, rows Stride bytes apart (3 x width rounded up to 4), the
// top row of the picture last in memory. It owns its pixel memory.
class CDibImage {
public:
    CDibImage() = default;
    ~CDibImage() = default;
    CDibImage(const CDibImage&) = delete;
    CDibImage& operator=(const CDibImage&) = delete;
    CDibImage(CDibImage&& other) noexcept;
    CDibImage& operator=(CDibImage&& other) noexcept;

    // Drops the old pixels, then makes new ones of undefined content; false
    // (and no pixels) for a size of 0 or below or one that memory cannot hold.
    bool Create(int32_t width, int32_t height);

    // Filters in place with a size x size kernel (first row on the row above,
    // first column on the column to the left), sums divided by divisor and
    // limited to 0..255. A frame of size / 2 pixels on every side keeps its
    // values; pictures not larger than the kernel, a null kernel, a size below
    // 1 and a divisor of 0 leave the picture unchanged.
    void Convolve(const int32_t* kernel, int size, int divisor);

    static int32_t StrideFor(int32_t width) { return (3 * width + 3) & ~3; }

    // Bytes readable past the last row, so that the pixel copies may read
    // sixteen bytes at any run of four pixels.
    static constexpr size_t PixelReadSlack = 4;

    int32_t Stride() const { return stride_; }
    // Null when there are no pixels.
    uint8_t* Bits() { return bits_.get(); }
    const uint8_t* Bits() const { return bits_.get(); }
    const DibInfo& Info() const { return info_; }
    int32_t Width() const { return info_.Width; }
    int32_t Height() const { return info_.Height; }

    // Row `row` of the picture counted from its top (0 .. Height() - 1).
    uint8_t* TopDownRow(int32_t row) { return Bits() + RowOffset(row); }
    const uint8_t* TopDownRow(int32_t row) const { return Bits() + RowOffset(row); }

private:
    ptrdiff_t RowOffset(int32_t row) const
    {
        return static_cast<ptrdiff_t>(info_.Height - 1 - row) * stride_;
    }

    int32_t stride_ = 0;
    std::unique_ptr<uint8_t[]> bits_;
    DibInfo info_;
};
