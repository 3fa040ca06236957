#include "records/BmpPixelsInside.h"

#include "records/LittleEndian.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::uint32_t CoreHeaderSize = 12;  // the OS/2 header with 16-bit sizes
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t Uncompressed = 0;
constexpr std::uint32_t BitFields = 3;
constexpr std::uint32_t AlphaBitFields = 6;

struct PixelLayout {
    std::int64_t Width = 0;
    std::int64_t Height = 0;
    std::uint32_t BitCount = 0;
    std::uint32_t Compression = Uncompressed;
    std::uint32_t ImageSize = 0;
};

bool ReadLayout(std::string_view bytes, PixelLayout& layout)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::uint32_t headerSize = Little32(data + FileHeaderSize);
    if (headerSize == CoreHeaderSize && bytes.size() >= FileHeaderSize + CoreHeaderSize) {
        layout = {Little16(data + 18), Little16(data + 20), Little16(data + 24), Uncompressed, 0};
        return true;
    }
    if (headerSize < InfoHeaderSize || bytes.size() < FileHeaderSize + InfoHeaderSize)
        return false;
    layout = {static_cast<std::int32_t>(Little32(data + 18)), static_cast<std::int32_t>(Little32(data + 22)),
              Little16(data + 28), Little32(data + 30), Little32(data + 34)};
    return true;
}

// Whether the pixel data fits in `room` bytes. Rows are padded to whole 32-bit
// words; top-down files give a negative height. Rows are counted against the
// room rather than multiplied out, since width, depth and height of a damaged
// header together overflow even 64 bits.
bool PixelBytesFit(const PixelLayout& layout, std::int64_t room)
{
    if (room < 0)
        return false;
    const bool rows = layout.Compression == Uncompressed || layout.Compression == BitFields ||
                      layout.Compression == AlphaBitFields;
    if (!rows)
        return layout.ImageSize <= room;
    const std::int64_t rowBytes = (layout.Width * layout.BitCount + 31) / 32 * 4;
    return std::llabs(layout.Height) <= room / rowBytes;
}

}  // namespace

bool BmpPixelsInside(std::string_view bytes)
{
    PixelLayout layout;
    if (bytes.size() < FileHeaderSize + 4 || bytes.substr(0, 2) != "BM" || !ReadLayout(bytes, layout))
        return false;
    if (layout.Width <= 0 || layout.Height == 0 || layout.BitCount == 0)
        return false;
    const auto offset = static_cast<std::int64_t>(Little32(reinterpret_cast<const unsigned char*>(bytes.data()) + 10));
    return PixelBytesFit(layout, static_cast<std::int64_t>(bytes.size()) - offset);
}
