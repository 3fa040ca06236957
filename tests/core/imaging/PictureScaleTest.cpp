#include "imaging/PictureScale.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(PictureScale, PaintedSizeAndScrollRange)
{
    struct Case {
        ImageSize picture, client;
        int zoom;
        ImageSize painted, scroll;
    };
    const std::vector<Case> cases = {
        {{1033, 779}, {800, 700}, 0, {800, 603}, {1, 1}},
        {{1033, 779}, {2000, 700}, 0, {928, 700}, {1, 1}},
        {{1033, 779}, {800, 700}, 150, {1549, 1168}, {1549, 1168}},
        {{1033, 779}, {800, 700}, 100, {1033, 779}, {1033, 779}},
        {{1033, 779}, {800, 700}, 75, {774, 584}, {774, 584}},
        {{1033, 779}, {800, 700}, 50, {516, 389}, {516, 389}},
        {{1033, 779}, {800, 700}, 200, {2066, 1558}, {2066, 1558}},
        {{0, 0}, {800, 700}, 100, {0, 0}, {1, 1}},
        {{0, 0}, {800, 700}, 0, {0, 0}, {1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zoom);
        const PictureScale scale = ScalePicture(c.picture, c.client, c.zoom);
        EXPECT_EQ(scale.Painted, c.painted);
        EXPECT_EQ(scale.Scroll, c.scroll);
    }
    EXPECT_NEAR(ScalePicture({1033, 779}, {800, 700}, 0).Scale, 800.0 / 1033, 1e-12);
}

}  // namespace
