#include "platform/CScaledPicture.h"
#include "platform/CUprightPicture.h"
#include "platform/DibImageView.h"

#include "imaging/CDibImage.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Every byte different, so a pixel taken from the wrong place or a channel
// swapped shows.
std::shared_ptr<CDibImage> Picture(int width, int height)
{
    auto dib = std::make_shared<CDibImage>();
    if (!dib->Create(width, height))
        return dib;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 3 * width; ++x)
            dib->TopDownRow(y)[x] = static_cast<uint8_t>(x * 7 + y * 31 + 1);
    return dib;
}

// Widths on both sides of the four-pixel steps and their plain tail.
TEST(CUprightPicture, CopiesEveryPixelUprightAndOpaque)
{
    CUprightPicture upright;
    for (const int width : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 64, 1144}) {
        const std::shared_ptr<CDibImage> dib = Picture(width, 3);
        upright.CopyFrom(*dib);
        const QImage expected = DibImageView(*dib).mirrored(false, true).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(upright.Image().size(), expected.size()) << width;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(upright.Image().pixel(x, y), expected.pixel(x, y)) << width << ": " << x << ", " << y;
    }
    upright.CopyFrom(CDibImage());
    EXPECT_TRUE(upright.Image().isNull());
}

TEST(CScaledPicture, ScalesAgainOnlyForAnotherPictureOrSize)
{
    const std::shared_ptr<const CDibImage> first = Picture(40, 30), second = Picture(40, 30);
    CScaledPicture scaled;
    const qint64 made = scaled.Scaled(first, QSize(8, 6)).cacheKey();
    EXPECT_EQ(scaled.Scaled(first, QSize(8, 6)).cacheKey(), made) << "the same picture at the same size";
    EXPECT_EQ(scaled.Scaled(first, QSize(4, 3)).size(), QSize(4, 3));
    EXPECT_NE(scaled.Scaled(second, QSize(4, 3)).cacheKey(), scaled.Scaled(first, QSize(4, 3)).cacheKey());
}

}  // namespace
