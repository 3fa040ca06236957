#include "imaging/CCfaImage.h"
#include "imaging/CDibImage.h"
#include "imaging/FilterKernels.h"

#include "CfaFileWriter.h"
#include "PlainImaging.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> BitsOf(const CDibImage& picture)
{
    return {picture.Bits(), picture.Bits() + picture.Info().SizeImage};
}

CDibImage Filled(int32_t width, int32_t height, uint8_t value)
{
    CDibImage picture;
    EXPECT_TRUE(picture.Create(width, height));
    std::fill_n(picture.Bits(), picture.Info().SizeImage, value);
    return picture;
}

uint8_t* Pixel(CDibImage& picture, int32_t row, int32_t column)
{
    return picture.TopDownRow(row) + 3 * column;
}

TEST(DibImage, CreateSetsStrideAndInfo)
{
    struct Case {
        int32_t width, stride;
    };
    for (const Case c : {Case{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {1033, 3100}}) {
        SCOPED_TRACE(c.width);
        CDibImage picture;
        ASSERT_TRUE(picture.Create(c.width, 7));
        EXPECT_EQ(picture.Stride(), c.stride);
        EXPECT_EQ(CDibImage::StrideFor(c.width), c.stride);
        EXPECT_EQ(picture.Info().Width, c.width);
        EXPECT_EQ(picture.Info().Height, 7);
        EXPECT_TRUE(picture.Info().BottomUp);
        EXPECT_EQ(picture.Info().SizeImage, uint32_t(c.stride) * 7);
        // The top row is last in memory.
        EXPECT_EQ(picture.TopDownRow(0), picture.Bits() + 6 * c.stride);
    }
}

TEST(DibImage, CreateFailsWithoutPixels)
{
    CDibImage picture;
    ASSERT_TRUE(picture.Create(4, 4));
    for (const auto& [width, height] : std::vector<std::pair<int32_t, int32_t>>{
             {0, 4}, {4, 0}, {-1, 4}, {4, -3}, {1 << 30, 1}, {40000, 40000}}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        EXPECT_FALSE(picture.Create(width, height));
        EXPECT_EQ(picture.Bits(), nullptr);
        EXPECT_EQ(picture.Stride(), 0);
        EXPECT_EQ(picture.Width(), 0);
    }
}

TEST(Filters, FlatPicturesStayFlat)
{
    for (int filter = 1; filter <= 3; ++filter) {
        SCOPED_TRACE(filter);
        CDibImage picture = Filled(9, 6, 123);
        picture.Convolve(FilterKernel(filter), FilterKernelSize, 1);
        EXPECT_EQ(BitsOf(picture), BitsOf(Filled(9, 6, 123)));
    }
    EXPECT_EQ(FilterKernel(0), nullptr);
    EXPECT_EQ(FilterKernel(4), nullptr);
}

TEST(Filters, SharpenOfOneWhitePixel)
{
    for (const int filter : {1, 2}) {
        SCOPED_TRACE(filter);
        CDibImage picture = Filled(5, 5, 0);
        std::fill_n(Pixel(picture, 2, 2), 3, 255);
        picture.Convolve(FilterKernel(filter), 3, 1);
        for (int row = 1; row <= 3; ++row)
            for (int column = 1; column <= 3; ++column)
                EXPECT_EQ(Pixel(picture, row, column)[row % 3],
                          row == 2 && column == 2 ? 255 : 0);
    }
}

TEST(Filters, EmbossOfAVerticalEdge)
{
    CDibImage picture = Filled(6, 4, 0);
    for (int row = 0; row < 4; ++row)
        std::fill(Pixel(picture, row, 3), Pixel(picture, row, 3) + 9, 200);
    picture.Convolve(FilterKernel(3), 3, 1);
    // Just right of the edge: 0 + 200 + 0 + 0 + 200 - 200 + 0 - 200 - 200 = -200.
    EXPECT_EQ(Pixel(picture, 1, 3)[0], 0);
    // Just left of it: the right column weighs -1 x 200 twice.
    EXPECT_EQ(Pixel(picture, 1, 2)[0], 0);
    // Inside the bright area the sum is its level.
    EXPECT_EQ(Pixel(picture, 2, 4)[1], 200);
}

TEST(Filters, FastAgainstPlainWithBordersKept)
{
    const int32_t wide[25] = {1, 2, 3, 2, 1, 0, -1, -2, -1, 0, 4, 4, 9, 4, 4,
                              0, -1, -2, -1, 0, 1, 2, 3, 2, 1};
    const int32_t twoByTwo[4] = {3, -1, -1, 1};
    struct Filter {
        const int32_t* kernel;
        int size, divisor;
    };
    const std::vector<Filter> filters = {
        {FilterKernel(1), 3, 1}, {FilterKernel(2), 3, 1}, {FilterKernel(3), 3, 1},
        {FilterKernel(2), 3, 3}, {FilterKernel(1), 3, -2}, {wide, 5, 7},
        {twoByTwo, 2, 1},
    };
    std::mt19937 random(23);
    for (const auto& [width, height] : std::vector<std::pair<int32_t, int32_t>>{
             {1, 1}, {2, 2}, {3, 3}, {3, 2}, {4, 7}, {17, 5}, {6, 6}, {100, 37}}) {
        for (const Filter& filter : filters) {
            SCOPED_TRACE(testing::Message() << width << "x" << height << " size " << filter.size
                                            << " divisor " << filter.divisor);
            CDibImage picture;
            ASSERT_TRUE(picture.Create(width, height));
            for (uint32_t i = 0; i < picture.Info().SizeImage; ++i)
                picture.Bits()[i] = static_cast<uint8_t>(random() % 4 == 0 ? 255 : random());
            const std::vector<uint8_t> expected =
                plain::Convolve(picture, filter.kernel, filter.size, filter.divisor);
            const std::vector<uint8_t> before = BitsOf(picture);
            picture.Convolve(filter.kernel, filter.size, filter.divisor);
            ASSERT_EQ(BitsOf(picture), expected);
            // The outermost rows and columns never change.
            const int32_t last = height - 1;
            for (int32_t row : {0, last}) {
                const auto offset = size_t(last - row) * picture.Stride();
                ASSERT_TRUE(std::equal(before.begin() + offset, before.begin() + offset + 3 * width,
                                       picture.Bits() + offset));
            }
        }
    }
}

TEST(Filters, NothingToFilterLeavesThePicture)
{
    CDibImage picture = Filled(5, 5, 9);
    std::fill_n(Pixel(picture, 2, 2), 3, 200);
    const std::vector<uint8_t> before = BitsOf(picture);
    picture.Convolve(nullptr, 3, 1);
    picture.Convolve(FilterKernel(1), 0, 1);
    picture.Convolve(FilterKernel(1), 3, 0);
    EXPECT_EQ(BitsOf(picture), before);
    CDibImage empty;
    empty.Convolve(FilterKernel(1), 3, 1);
    EXPECT_EQ(empty.Bits(), nullptr);
}

TEST(Filters, GreyOfAFlatAreaKeepsItsLevel)
{
    testsupport::TempDir dir;
    for (const uint16_t level : {1, 1000, 2047, 4000, 4094}) {
        SCOPED_TRACE(level);
        testsupport::CfaFile file;
        file.width = 4;
        file.height = 4;
        file.samples.assign(16, level);
        const std::string path = dir.Make("f.CFA");
        testsupport::WriteCfaFile(path, file);
        CCfaImage image;
        ASSERT_TRUE(image.Load(path));
        // A window one level either side: only the level itself maps to 85.
        image.SetWindow(level - 1, level + 1);
        std::vector<uint8_t> out(12);
        image.RenderGrey(out.data(), 6, 1, 1, 2, 2, 1);
        EXPECT_EQ(out, std::vector<uint8_t>(12, 85));
    }
}

}  // namespace
