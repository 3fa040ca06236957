#include "platform/CopyFromBitmap.h"

#include "TempDir.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <array>
#include <string>
#include <vector>

namespace {

constexpr int Width = 5, Height = 4;  // an odd width pads the rows of every depth
// 0xRRGGBB, every channel exact in 5 bits.
const uint32_t Colours[] = {0x000000, 0x0800F8, 0x80F810, 0x2860C8};

struct Layout { int depth; bool bitFields; std::array<uint32_t, 3> masks; };  // masks red, green, blue

std::string Le(uint32_t value, int size)
{
    std::string bytes;
    for (int i = 0; i < size; ++i)
        bytes += char(value >> 8 * i);
    return bytes;
}

// The top bits of each channel of 0xRRGGBB in place of its mask.
uint32_t Packed(uint32_t rgb, const std::array<uint32_t, 3>& masks)
{
    uint32_t packed = 0;
    for (int c = 0; c < 3; ++c)
        packed |= (rgb >> (16 - 8 * c) & 0xFF) >> (8 - __builtin_popcount(masks[c])) << __builtin_ctz(masks[c]);
    return packed;
}

// The colour index of each pixel, rows from the top; no row is the same as its mirror row.
int IndexAt(int depth, int x, int y) { return (x + y) % (depth == 1 ? 2 : 4); }

// A Windows bitmap file of the test picture, written byte by byte.
std::string BitmapFile(const Layout& layout, bool topDown)
{
    const int depth = layout.depth, paletteSize = depth <= 8 ? 1 << depth : 0;
    const int rowBytes = (depth * Width + 31) / 32 * 4;
    const int offset = 54 + (layout.bitFields ? 12 : 0) + 4 * paletteSize;
    std::string bytes = "BM" + Le(offset + rowBytes * Height, 4) + Le(0, 4) + Le(offset, 4) + Le(40, 4) +
                        Le(Width, 4) + Le(topDown ? -Height : Height, 4) + Le(1, 2) + Le(depth, 2) +
                        Le(layout.bitFields ? 3 : 0, 4) + Le(rowBytes * Height, 4) + std::string(16, '\0');
    for (int c = 0; c < (layout.bitFields ? 3 : 0); ++c)
        bytes += Le(layout.masks[c], 4);
    for (int i = 0; i < paletteSize; ++i)
        bytes += Le(Colours[i % 4], 4);
    for (int row = 0; row < Height; ++row) {
        const int y = topDown ? row : Height - 1 - row;
        std::string line(rowBytes, '\0');
        for (int x = 0, bit = 0; x < Width; ++x, bit += depth) {
            if (depth <= 8)
                line[bit / 8] = char(line[bit / 8] | IndexAt(depth, x, y) << (8 - depth - bit % 8));
            else
                line.replace(bit / 8, depth / 8, Le(Packed(Colours[IndexAt(depth, x, y)], layout.masks), depth / 8));
        }
        bytes += line;
    }
    return bytes;
}

TEST(CopyFromBitmap, EveryDepthInBothRowOrdersWholeOrCutShort)
{
    const Layout layouts[] = {{1, false, {}},       {4, false, {}},         {8, false, {}},
                              {16, false, {0x7C00, 0x03E0, 0x001F}}, {16, true, {0xF800, 0x07E0, 0x001F}},
                              {24, false, {0xFF0000, 0xFF00, 0xFF}}, {32, false, {0xFF0000, 0xFF00, 0xFF}},
                              {32, true, {0xFF00, 0xFF0000, 0xFF000000}}};
    testsupport::TempDir dir;
    const std::string path = dir.Make("frame.bmp");
    const auto load = [&](const std::string& bytes, CDibImage& picture) {
        testsupport::WriteFile(path, bytes);
        return LoadDibFromFile(QString::fromStdString(path), picture);
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(testing::Message() << layout.depth << " bits, fields " << layout.bitFields);
        std::array<CDibImage, 2> pictures;
        for (const bool topDown : {false, true}) {
            // A bitmap cut short by one byte of its last row fails; bytes after the pixels do no harm.
            const std::string whole = BitmapFile(layout, topDown);
            EXPECT_FALSE(load(whole.substr(0, whole.size() - 1), pictures[topDown])) << "cut, top-down " << topDown;
            EXPECT_TRUE(load(whole + "trailing", pictures[topDown])) << "trailing, top-down " << topDown;
            ASSERT_TRUE(load(whole, pictures[topDown]));
        }
        ASSERT_EQ(std::pair(pictures[0].Width(), pictures[0].Height()), std::pair(Width, Height));
        EXPECT_TRUE(std::equal(pictures[0].Bits(), pictures[0].Bits() + pictures[0].Info().SizeImage,
                               pictures[1].Bits()));
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x) {
                const uint8_t* p = pictures[0].TopDownRow(y) + 3 * x;
                EXPECT_EQ(uint32_t(p[2]) << 16 | p[1] << 8 | p[0], Colours[IndexAt(layout.depth, x, y)])
                    << x << "," << y;
            }
    }
}

TEST(CopyFromBitmap, DropsAlphaAndFailsWithoutAPicture)
{
    QImage image(1, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 0));
    CDibImage dib;
    ASSERT_TRUE(CopyFromBitmap(image, dib));
    EXPECT_EQ(std::vector<uint8_t>(dib.Bits(), dib.Bits() + 3), (std::vector<uint8_t>{30, 20, 10}));
    EXPECT_FALSE(CopyFromBitmap(QImage(), dib));
    EXPECT_EQ(dib.Bits(), nullptr);
    testsupport::TempDir dir;
    testsupport::WriteFile(dir.Make("broken.bmp"), "BM not a bitmap");
    ASSERT_EQ(mkfifo((dir.Path() + "pipe.bmp").c_str(), 0600), 0);  // opened for reading, it would wait for ever
    for (const char* name : {"broken.bmp", "missing.bmp", "pipe.bmp"})
        EXPECT_FALSE(LoadDibFromFile(QString::fromStdString(dir.Path() + name), dib)) << name;
}

}  // namespace
