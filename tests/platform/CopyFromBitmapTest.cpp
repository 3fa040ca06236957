#include "platform/CopyFromBitmap.h"

#include "TempDir.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

constexpr int Width = 5;  // odd, so every depth pads its rows
constexpr int Height = 3;

struct Colour {
    uint8_t b, g, r;
    bool operator==(const Colour&) const = default;
};

const std::array<Colour, 4> Colours = {{{0, 0, 0}, {248, 0, 8}, {16, 252, 128}, {200, 96, 40}}};

// Colour index of each pixel, rows from the top.
int IndexAt(int x, int y, int colours)
{
    return (x + 2 * y) % colours;
}

void Put(std::string& bytes, uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

uint32_t Packed(const Colour& c, uint32_t redMask, uint32_t greenMask, uint32_t blueMask)
{
    const auto place = [](uint8_t value, uint32_t mask) {
        const int shift = __builtin_ctz(mask);
        const int bits = __builtin_popcount(mask);
        return (uint32_t(value) >> (8 - bits) << shift) & mask;
    };
    return place(c.r, redMask) | place(c.g, greenMask) | place(c.b, blueMask);
}

struct Layout {
    const char* name;
    int depth;
    bool bitFields;
    std::array<uint32_t, 3> masks;  // red, green, blue
};

// A Windows bitmap file of the test picture, written byte by byte.
std::string BitmapFile(const Layout& layout, bool topDown)
{
    const int colours = layout.depth <= 8 ? std::min(1 << layout.depth, 4) : 4;
    const int paletteBytes = layout.depth <= 8 ? 4 * (1 << layout.depth) : 0;
    const int maskBytes = layout.bitFields ? 12 : 0;
    const int rowBytes = ((layout.depth * Width + 31) / 32) * 4;
    const int offset = 14 + 40 + maskBytes + paletteBytes;
    std::string bytes = "BM";
    Put(bytes, offset + rowBytes * Height, 4);
    Put(bytes, 0, 4);
    Put(bytes, offset, 4);
    Put(bytes, 40, 4);
    Put(bytes, Width, 4);
    Put(bytes, static_cast<uint32_t>(topDown ? -Height : Height), 4);
    Put(bytes, 1, 2);
    Put(bytes, layout.depth, 2);
    Put(bytes, layout.bitFields ? 3 : 0, 4);
    Put(bytes, rowBytes * Height, 4);
    Put(bytes, 2835, 4);
    Put(bytes, 2835, 4);
    Put(bytes, 0, 4);
    Put(bytes, 0, 4);
    if (layout.bitFields)
        for (uint32_t mask : layout.masks)
            Put(bytes, mask, 4);
    for (int i = 0; i < paletteBytes / 4; ++i) {
        const Colour& c = Colours[i % Colours.size()];
        Put(bytes, uint32_t(c.b) | uint32_t(c.g) << 8 | uint32_t(c.r) << 16, 4);
    }
    for (int row = 0; row < Height; ++row) {
        const int y = topDown ? row : Height - 1 - row;
        std::string line;
        uint32_t bitBuffer = 0;
        int bitCount = 0;
        for (int x = 0; x < Width; ++x) {
            const int index = IndexAt(x, y, colours);
            if (layout.depth <= 8) {
                bitBuffer = bitBuffer << layout.depth | index;
                bitCount += layout.depth;
                if (bitCount == 8) {
                    line.push_back(static_cast<char>(bitBuffer));
                    bitBuffer = 0;
                    bitCount = 0;
                }
            } else if (layout.depth == 24) {
                const Colour& c = Colours[index];
                line += {char(c.b), char(c.g), char(c.r)};
            } else {
                Put(line, Packed(Colours[index], layout.masks[0], layout.masks[1], layout.masks[2]),
                    layout.depth / 8);
            }
        }
        if (bitCount > 0)
            line.push_back(static_cast<char>(bitBuffer << (8 - bitCount)));
        line.resize(rowBytes, '\0');
        bytes += line;
    }
    return bytes;
}

// A colour as the file holds it: 5- and 6-bit channels keep their top bits,
// widened again by a shift.
Colour Stored(const Colour& c, const Layout& layout)
{
    if (layout.depth != 16)
        return c;
    const auto keep = [](uint8_t value, uint32_t mask) {
        const int lost = 8 - __builtin_popcount(mask);
        return static_cast<uint8_t>(value >> lost << lost);
    };
    return {keep(c.b, layout.masks[2]), keep(c.g, layout.masks[1]), keep(c.r, layout.masks[0])};
}

Colour PixelOf(const CDibImage& dib, int x, int y)
{
    const uint8_t* p = dib.TopDownRow(y) + 3 * x;
    return {p[0], p[1], p[2]};
}

TEST(CopyFromBitmap, EveryDepthInBothRowOrders)
{
    const std::vector<Layout> layouts = {
        {"1 bit", 1, false, {}},
        {"4 bits", 4, false, {}},
        {"8 bits", 8, false, {}},
        {"16 bits 5-5-5", 16, false, {0x7C00, 0x03E0, 0x001F}},
        {"16 bits 5-6-5 fields", 16, true, {0xF800, 0x07E0, 0x001F}},
        {"24 bits", 24, false, {}},
        {"32 bits", 32, false, {0xFF0000, 0xFF00, 0xFF}},
        {"32 bits shifted fields", 32, true, {0xFF00, 0xFF0000, 0xFF000000}},
    };
    testsupport::TempDir dir;
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        std::array<CDibImage, 2> pictures;
        for (const bool topDown : {false, true}) {
            const std::string path = dir.Make(std::string(topDown ? "down" : "up") + ".bmp");
            testsupport::WriteFile(path, BitmapFile(layout, topDown));
            ASSERT_TRUE(LoadDibFromFile(QString::fromStdString(path), pictures[topDown]));
        }
        const CDibImage& up = pictures[0];
        ASSERT_EQ(up.Width(), Width);
        ASSERT_EQ(up.Height(), Height);
        EXPECT_EQ(std::vector<uint8_t>(up.Bits(), up.Bits() + up.Info().SizeImage),
                  std::vector<uint8_t>(pictures[1].Bits(),
                                       pictures[1].Bits() + pictures[1].Info().SizeImage));
        const int colours = layout.depth == 1 ? 2 : 4;
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                EXPECT_EQ(PixelOf(up, x, y), Stored(Colours[IndexAt(x, y, colours)], layout))
                    << x << "," << y;
    }
}

TEST(CopyFromBitmap, DropsAlphaAndFailsWithoutAPicture)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 0));
    image.setPixel(1, 0, qRgba(200, 100, 50, 255));
    CDibImage dib;
    ASSERT_TRUE(CopyFromBitmap(image, dib));
    EXPECT_EQ(PixelOf(dib, 0, 0), (Colour{30, 20, 10}));
    EXPECT_EQ(PixelOf(dib, 1, 0), (Colour{50, 100, 200}));

    EXPECT_FALSE(CopyFromBitmap(QImage(), dib));
    EXPECT_EQ(dib.Bits(), nullptr);
    testsupport::TempDir dir;
    const std::string path = dir.Make("broken.bmp");
    testsupport::WriteFile(path, "BM not a bitmap");
    EXPECT_FALSE(LoadDibFromFile(QString::fromStdString(path), dib));
    EXPECT_FALSE(LoadDibFromFile(QString::fromStdString(dir.Make("missing.bmp")), dib));
}

}  // namespace
