#include "imaging/FilterKernels.h"
#include "imaging/PictureScale.h"
#include "imaging/RotateImage90.h"
#include "imaging/ScalePictureSmooth.h"

#include "PlainImaging.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <utility>

namespace {

// 6 x 5 at level base, with a white pixel at (2, 2) ('s') or 200 from column 3 on ('e').
CDibImage Picture(uint8_t base, char shape)
{
    CDibImage picture;
    EXPECT_TRUE(picture.Create(6, 5));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            std::fill_n(picture.TopDownRow(y) + 3 * x, 3,
                        shape == 's' && x == 2 && y == 2 ? 255 : shape == 'e' && x >= 3 ? 200 : base);
    return picture;
}

TEST(Picture, CreateSetsStrideOrMakesNoPixels)
{
    // Rows of 3 x width bytes rounded up to 4; sizes of 0 or below, or beyond memory: no pixels.
    const std::tuple<int, int, int> cases[] = {{1, 7, 4}, {2, 7, 8}, {4, 7, 12}, {5, 7, 16}, {1033, 7, 3100},
                                               {0, 4, 0}, {4, -3, 0}, {1 << 30, 1, 0}, {40000, 40000, 0}};
    for (const auto& [width, height, stride] : cases) {
        CDibImage picture;
        ASSERT_TRUE(picture.Create(4, 4));
        EXPECT_EQ(picture.Create(width, height), stride > 0) << width << "x" << height;
        EXPECT_EQ(picture.Stride(), stride);
        EXPECT_EQ(picture.Bits() == nullptr, stride == 0);
        EXPECT_EQ(picture.TopDownRow(0) - picture.Bits(), stride > 0 ? (height - 1) * stride : 0) << "top row last";
    }
}

// Sharpening kernels are symmetric: one side of the spot stands for the others.
TEST(Filters, WorkedExamples)
{
    EXPECT_EQ(FilterKernel(0), nullptr);
    EXPECT_EQ(FilterKernel(4), nullptr);
    const struct { int filter; uint8_t base; char shape; int x, y; uint8_t value; } cases[] = {
        {1, 123, 'f', 2, 2, 123}, {2, 123, 'f', 3, 1, 123}, {3, 123, 'f', 4, 3, 123},  // flat stays flat
        {1, 0, 's', 2, 2, 255},   {1, 0, 's', 2, 1, 0},     {1, 20, 's', 1, 1, 20},   {2, 20, 's', 1, 1, 0},
        {3, 0, 'e', 3, 2, 0},     {3, 0, 'e', 2, 2, 0},     {3, 0, 'e', 4, 2, 200},
        {3, 0, 'e', 5, 2, 200},   {3, 0, 'e', 3, 0, 200},  // the outermost pixels keep their values
    };
    for (const auto& c : cases) {
        CDibImage picture = Picture(c.base, c.shape);
        picture.Convolve(FilterKernel(c.filter), FilterKernelSize, 1);
        EXPECT_EQ(picture.TopDownRow(c.y)[3 * c.x + c.y % 3], c.value)
            << "filter " << c.filter << " " << c.shape << " at " << c.x << "," << c.y;
    }
}

TEST(PictureScale, PaintedSizeAndScrollRange)
{
    const struct { ImageSize picture, client; int zoom; ImageSize painted, scroll; } cases[] = {
        {{1033, 779}, {800, 700}, 0, {800, 603}, {1, 1}},
        {{1033, 779}, {2000, 700}, 0, {928, 700}, {1, 1}},
        {{1033, 779}, {800, 700}, 150, {1549, 1168}, {1549, 1168}},
        {{1033, 779}, {800, 700}, 75, {774, 584}, {774, 584}},
        {{0, 0}, {800, 700}, 100, {0, 0}, {1, 1}},
    };
    for (const auto& c : cases) {
        const PictureScale scale = ScalePicture(c.picture, c.client, c.zoom);
        EXPECT_EQ(std::pair(scale.Painted, scale.Scroll), std::pair(c.painted, c.scroll)) << c.zoom;
    }
}

TEST(RotateImage90, BothDirectionsFollowTheIndexFormulas)
{
    std::mt19937 random(90);
    // Sizes around the blocks of two, four and eight pixels and the strips of
    // 256 columns, odd strides; 300 x 141 and 271 x 5 are split between two
    // threads, the second ending in an odd row.
    for (const auto& [w, h] : {std::pair{1, 1}, {2, 2}, {3, 3}, {1, 5}, {5, 1}, {2, 7}, {7, 3}, {9, 6}, {63, 65},
                               {64, 64}, {65, 63}, {67, 130}, {13, 257}, {300, 141}, {141, 300}, {271, 5}}) {
        CDibImage source;
        ASSERT_TRUE(source.Create(w, h));
        std::generate_n(source.Bits(), source.Info().SizeImage, [&] { return uint8_t(random()); });
        for (const int direction : {RotateClockwise, RotateCounterClockwise}) {
            const auto turned = RotateImage90(source, direction);
            ASSERT_NE(turned, nullptr);
            ASSERT_EQ(std::pair(turned->Width(), turned->Height()), std::pair(h, w));
            for (int r = 0; r < w; ++r)
                for (int c = 0; c < h; ++c) {
                    const uint8_t* from = direction == RotateClockwise ? source.TopDownRow(h - 1 - c) + 3 * r
                                                                       : source.TopDownRow(c) + 3 * (w - 1 - r);
                    ASSERT_TRUE(std::equal(from, from + 3, turned->TopDownRow(r) + 3 * c))
                        << w << "x" << h << " direction " << direction << " at " << r << "," << c;
                }
        }
    }
    EXPECT_EQ(RotateImage90(CDibImage(), RotateClockwise), nullptr);
    CDibImage picture;
    ASSERT_TRUE(picture.Create(4, 4));
    EXPECT_EQ(RotateImage90(picture, 2), nullptr);
}

// Every target pixel against the bilinear blend in real numbers of the four
// source pixels around its centre: weights cut to eight bits leave it up to a
// level off along each axis, a wrong pixel or channel tens. Widths of whole
// words have rows without padding, where a pixel read or written as four
// bytes at the end of the picture would run past it; the smaller sizes
// stretch, the larger shrink as a thumbnail does.
TEST(ScalePictureSmooth, EveryPixelBlendsTheFourAroundItsCentre)
{
    std::mt19937 random(5);
    const std::pair<std::pair<int, int>, std::pair<int, int>> sizes[] = {
        {{1, 1}, {3, 2}},     {{4, 3}, {9, 5}},     {{5, 1}, {2, 1}},
        {{8, 8}, {3, 3}},     {{40, 30}, {29, 17}}, {{1144, 790}, {136, 136}}, {{1144, 790}, {520, 360}}};
    for (const auto& [from, to] : sizes) {
        CDibImage source, target;
        ASSERT_TRUE(source.Create(from.first, from.second));
        ASSERT_TRUE(target.Create(to.first, to.second));
        std::generate_n(source.Bits(), source.Info().SizeImage, [&] { return uint8_t(random()); });
        ScalePictureSmooth(source, target);
        // The two source pixels around the centre of target pixel t, and the weight of the second.
        const auto around = [](int t, int targetSize, int sourceSize) {
            const double centre = std::clamp((t + 0.5) * sourceSize / targetSize - 0.5, 0.0, sourceSize - 1.0);
            const int first = static_cast<int>(centre);
            return std::tuple(first, std::min(first + 1, sourceSize - 1), centre - first);
        };
        for (int y = 0; y < to.second; ++y) {
            const auto [top, bottom, wy] = around(y, to.second, from.second);
            for (int x = 0; x < 3 * to.first; ++x) {
                const auto [left, right, wx] = around(x / 3, to.first, from.first);
                const auto sample = [&](int row, int column) { return source.TopDownRow(row)[3 * column + x % 3]; };
                const double upper = sample(top, left) * (1 - wx) + sample(top, right) * wx;
                const double lower = sample(bottom, left) * (1 - wx) + sample(bottom, right) * wx;
                ASSERT_NEAR(target.TopDownRow(y)[x], upper * (1 - wy) + lower * wy, 2.5)
                    << from.first << "x" << from.second << " to " << to.first << "x" << to.second << " at " << x / 3
                    << "," << y << " channel " << x % 3;
            }
        }
    }
}

TEST(FastAgainstPlain, ConvolutionOfEveryKernelShape)
{
    const int32_t wide[25] = {1, 2, 3, 2, 1, 0, -1, -2, -1, 0, 4, 4, 9, 4, 4, 0, -1, -2, -1, 0, 1, 2, 3, 2, 1};
    const int32_t strong[9] = {-40, 0, 0, 0, 200, 0, 0, 0, -40};
    const int32_t twoByTwo[4] = {3, -1, -1, 1};
    const std::tuple<const int32_t*, int, int> filters[] = {
        {FilterKernel(1), 3, 1}, {FilterKernel(2), 3, 1}, {FilterKernel(3), 3, 1}, {strong, 3, 1},
        {FilterKernel(2), 3, 3}, {FilterKernel(1), 3, -2}, {wide, 5, 7}, {twoByTwo, 2, 1}};
    std::mt19937 random(23);
    for (const auto& [w, h] : {std::pair{1, 1}, {2, 2}, {3, 3}, {3, 2}, {4, 7}, {17, 5}, {100, 37}}) {
        for (const auto& [kernel, n, divisor] : filters) {
            SCOPED_TRACE(testing::Message() << w << "x" << h << " size " << n << " divisor " << divisor);
            CDibImage picture;
            ASSERT_TRUE(picture.Create(w, h));
            for (uint32_t i = 0; i < picture.Info().SizeImage; ++i)
                picture.Bits()[i] = uint8_t(random() % 4 == 0 ? 255 : random());
            const std::vector<uint8_t> expected = plain::Convolve(picture, kernel, n, divisor);
            picture.Convolve(kernel, n, divisor);
            ASSERT_EQ(std::vector<uint8_t>(picture.Bits(), picture.Bits() + picture.Info().SizeImage), expected);
        }
    }
}

}  // namespace
