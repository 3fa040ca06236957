#include "CfaFileWriter.h"
#include "TempDir.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A full-size frame: level 100 in the optical-black area, 1000 elsewhere.
testsupport::CfaFile FlatFrame()
{
    testsupport::CfaFile file{.width = 1144, .height = 790, .samples = std::vector<uint16_t>(size_t{1144} * 790)};
    for (int y = 0; y < 790; ++y) {
        for (int x = 0; x < 1144; ++x)
            file.samples[size_t(y) * 1144 + x] = x >= 1070 && x <= 1140 && y >= 12 && y <= 780 ? 100 : 1000;
    }
    return file;
}

class RenderCommandTest : public ::testing::Test {
protected:
    testsupport::TempDir temp;
    std::string flat = temp.Path() + "flat.CFA";

    void SetUp() override { testsupport::WriteCfaFile(flat, FlatFrame()); }

    std::string Render(const std::string& out, std::vector<std::string> options = {}) const
    {
        options.insert(options.begin(), {"render", flat, temp.Path() + out});
        const ToolResult result = RunTool(options);
        EXPECT_EQ(result.Status, 0) << result.Err;
        return result.Out;
    }
};

// The display range follows the histogram first; a window given afterwards
// is clamped by the frame, in either order of its levels.
TEST_F(RenderCommandTest, StatsShowTheAutomaticAndTheGivenWindow)
{
    const std::string size = "size\t1144\t790\tvisible\t1033\t779\tlevels\t0\t";
    EXPECT_EQ(Render("o.ppm", {"--stats"}), size + "900\twindow\t0\t900\n");
    EXPECT_EQ(Render("o.ppm", {"--stats", "--window", "2000:100"}), size + "900\twindow\t100\t900\n");
    EXPECT_EQ(Render("o.ppm", {"--stats", "--window", "300:400"}), size + "900\twindow\t300\t400\n");
}

TEST_F(RenderCommandTest, WritesTheVisiblePictureAsPpmOrPng)
{
    const std::string header = "P6\n1033 779\n255\n";
    EXPECT_EQ(Render("out.PPM"), "");
    const std::string ppm = testsupport::ReadFile(temp.Path() + "out.PPM");
    ASSERT_EQ(ppm.size(), header.size() + 1033 * 779 * 3);
    EXPECT_EQ(ppm.substr(0, header.size()), header);
    // A flat frame at its own top level is white in every channel.
    EXPECT_EQ(ppm.find_first_not_of('\xFF', header.size()), std::string::npos);
    Render("out.png", {"--filter", "1"});
    const std::string png = testsupport::ReadFile(temp.Path() + "out.png");
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x04\x09\0\0\x03\x0b", 8));  // IHDR width, height
}

}  // namespace
