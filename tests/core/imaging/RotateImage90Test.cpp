#include "imaging/RotateImage90.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

CDibImage RandomPicture(int32_t width, int32_t height, std::mt19937& random)
{
    CDibImage picture;
    EXPECT_TRUE(picture.Create(width, height));
    for (uint32_t i = 0; i < picture.Info().SizeImage; ++i)
        picture.Bits()[i] = static_cast<uint8_t>(random());
    return picture;
}

const uint8_t* Pixel(const CDibImage& picture, int32_t row, int32_t column)
{
    return picture.TopDownRow(row) + 3 * column;
}

TEST(RotateImage90, BothDirectionsFollowTheIndexFormulas)
{
    struct Size {
        int32_t width, height;
    };
    std::mt19937 random(90);
    for (const Size size : {Size{1, 1}, {2, 2}, {3, 3}, {1, 5}, {5, 1}, {7, 3}, {33, 65},
                            {300, 141}, {141, 300}}) {
        const CDibImage source = RandomPicture(size.width, size.height, random);
        for (const int direction : {RotateClockwise, RotateCounterClockwise}) {
            SCOPED_TRACE(testing::Message() << size.width << "x" << size.height << " direction "
                                            << direction);
            const auto turned = RotateImage90(source, direction);
            ASSERT_NE(turned, nullptr);
            ASSERT_EQ(turned->Width(), size.height);
            ASSERT_EQ(turned->Height(), size.width);
            for (int32_t r = 0; r < turned->Height(); ++r) {
                for (int32_t c = 0; c < turned->Width(); ++c) {
                    const uint8_t* expected = direction == RotateClockwise
                        ? Pixel(source, size.height - 1 - c, r)
                        : Pixel(source, c, size.width - 1 - r);
                    ASSERT_EQ(std::vector<uint8_t>(expected, expected + 3),
                              std::vector<uint8_t>(Pixel(*turned, r, c), Pixel(*turned, r, c) + 3))
                        << r << "," << c;
                }
            }
        }
    }
}

TEST(RotateImage90, NothingToTurnYieldsNone)
{
    const CDibImage empty;
    EXPECT_EQ(RotateImage90(empty, RotateClockwise), nullptr);
    std::mt19937 random(1);
    const CDibImage picture = RandomPicture(4, 4, random);
    EXPECT_EQ(RotateImage90(picture, 2), nullptr);
    EXPECT_EQ(RotateImage90(picture, -1), nullptr);
}

}  // namespace
