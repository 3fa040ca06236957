#include "records/BmpFileBytes.h"
#include "records/BmpPixelsInside.h"
#include "records/LittleEndian.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A general-view frame of 5 x 3 pixels (rows padded to 16 bytes) after an
// info text of 20 bytes: its pixels end at byte 54 + 20 + 48.
std::string Frame()
{
    return BmpFileBytes(5, 3, {}, std::string(20, 'i'));
}

std::string With32(std::string bytes, std::size_t offset, std::uint32_t value)
{
    PutLittle32(bytes, offset, value);
    return bytes;
}

// Rows as wide and deep as the header can make them: their bytes, multiplied
// out, do not fit in 64 bits.
std::string WithHugeRows(std::string bytes, std::uint32_t height)
{
    PutLittle32(bytes, 18, 0x7FFFFFFF);
    PutLittle32(bytes, 22, height);
    PutLittle16(bytes, 28, 0xFFFF);
    return bytes;
}

// The old 12-byte header: 16-bit width and height, planes, depth.
std::string CoreHeaderFile(std::size_t pixelBytes)
{
    std::string bytes(26, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLittle32(bytes, 10, 26);
    PutLittle32(bytes, 14, 12);
    PutLittle16(bytes, 18, 5);
    PutLittle16(bytes, 20, 3);
    PutLittle16(bytes, 22, 1);
    PutLittle16(bytes, 24, 24);
    return bytes + std::string(pixelBytes, '\0');
}

TEST(BmpPixelsInside, OnlyWhenEveryAnnouncedPixelByteIsThere)
{
    const std::string frame = Frame();
    ASSERT_EQ(frame.size(), 54u + 20 + 48);
    const struct {
        const char* name;
        std::string bytes;
        bool inside;
    } rows[] = {
        {"whole", frame, true},
        {"with bytes after the pixels", frame + "tail", true},
        {"one byte short", frame.substr(0, frame.size() - 1), false},
        {"top-down rows", With32(frame, 22, std::uint32_t(-3)), true},
        {"an offset past the end", With32(frame, 10, 200), false},
        {"no width", With32(frame, 18, 0), false},
        {"no height", With32(frame, 22, 0), false},
        {"run-length pixels within their stated size", With32(With32(frame, 30, 1), 34, 40), true},
        {"run-length pixels past the end", With32(With32(frame, 30, 1), 34, 49), false},
        {"an unknown header size", With32(frame, 14, 20), false},
        {"not a bitmap", "XM" + frame.substr(2), false},
        {"shorter than a file header", "BM", false},
        {"core header, whole", CoreHeaderFile(48), true},
        {"core header, one byte short", CoreHeaderFile(47), false},
        {"rows beyond 64 bits", WithHugeRows(frame, 0x7FFFFFFF), false},
        {"top-down rows beyond 64 bits", WithHugeRows(frame, 0x80000000), false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(BmpPixelsInside(row.bytes), row.inside) << row.name;
}

}  // namespace
