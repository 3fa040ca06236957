#include "CfaFileWriter.h"
#include "TempDir.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testsupport::CfaFile;

constexpr uint16_t SensorWidth = 1144;
constexpr uint16_t SensorHeight = 790;
const std::string PpmHeader = "P6\n1033 779\n255\n";

bool InOpticalBlack(int x, int y)
{
    return x >= 1070 && x <= 1140 && y >= 12 && y <= 780;
}

// A full-size frame: level 100 in the optical-black area, elsewhere the level
// the function gives for a cell.
template <typename Level>
CfaFile SensorFrame(Level level)
{
    CfaFile file;
    file.width = SensorWidth;
    file.height = SensorHeight;
    file.samples.resize(size_t{SensorWidth} * SensorHeight);
    for (int y = 0; y < SensorHeight; ++y) {
        for (int x = 0; x < SensorWidth; ++x)
            file.samples[size_t(y) * SensorWidth + x] = InOpticalBlack(x, y) ? 100 : level(x, y);
    }
    return file;
}

std::string Stats(int maxLevel, int low, int high)
{
    return "size\t1144\t790\tvisible\t1033\t779\tlevels\t0\t" + std::to_string(maxLevel) + "\twindow\t" +
           std::to_string(low) + "\t" + std::to_string(high) + "\n";
}

class RenderCommandTest : public ::testing::Test {
protected:
    testsupport::TempDir temp;
    std::string flat = temp.Path() + "flat.CFA";
    std::string pattern = temp.Path() + "pattern.CFA";

    void SetUp() override
    {
        testsupport::WriteCfaFile(flat, SensorFrame([](int, int) { return uint16_t{1000}; }));
        testsupport::WriteCfaFile(pattern, SensorFrame([](int x, int y) {
            return static_cast<uint16_t>(100 + (x * 7 + y * 13) % 3000);
        }));
    }
};

// The display range follows the histogram first; a window given afterwards
// is clamped by the frame, in either order of its levels.
TEST_F(RenderCommandTest, StatsShowTheAutomaticAndTheGivenWindow)
{
    const struct {
        std::vector<std::string> options;
        std::string stats;
    } cases[] = {
        {{}, Stats(900, 0, 900)},
        {{"--window", "100:2000"}, Stats(900, 100, 900)},
        {{"--window", "2000:100"}, Stats(900, 100, 900)},
        {{"--window", "300:400"}, Stats(900, 300, 400)},
        {{"--gamma", "2.2"}, Stats(1854, 0, 1854)},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = {"render", flat, temp.Path() + "out.ppm", "--stats"};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const ToolResult result = RunTool(arguments);
        EXPECT_EQ(result.Status, 0) << result.Err;
        EXPECT_EQ(result.Out, c.stats);
    }
}

TEST_F(RenderCommandTest, WritesTheVisiblePictureAsPpm)
{
    const std::string out = temp.Path() + "out.PPM";
    ASSERT_EQ(RunTool({"render", flat, out}).Status, 0);
    const std::string bytes = testsupport::ReadFile(out);
    ASSERT_EQ(bytes.size(), PpmHeader.size() + 1033 * 779 * 3);
    EXPECT_EQ(bytes.substr(0, PpmHeader.size()), PpmHeader);
    // A flat frame at its own top level is white in every channel.
    EXPECT_EQ(bytes.find_first_not_of('\xFF', PpmHeader.size()), std::string::npos);
}

TEST_F(RenderCommandTest, GreyRenderingHasEqualChannelsAndColourHasNot)
{
    const auto unequalPixels = [&](const std::vector<std::string>& options) {
        std::vector<std::string> arguments = {"render", pattern, temp.Path() + "p.ppm"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        EXPECT_EQ(RunTool(arguments).Status, 0);
        const std::string bytes = testsupport::ReadFile(temp.Path() + "p.ppm");
        int count = 0;
        for (size_t i = PpmHeader.size(); i + 2 < bytes.size(); i += 3)
            count += bytes[i] != bytes[i + 1] || bytes[i + 1] != bytes[i + 2];
        return count;
    };
    EXPECT_EQ(unequalPixels({"--grey"}), 0);
    EXPECT_EQ(unequalPixels({"--grey", "--filter", "3", "--correction", "2"}), 0);
    EXPECT_GT(unequalPixels({"--correction", "1"}), 0);
}

TEST_F(RenderCommandTest, WritesPng)
{
    const std::string out = temp.Path() + "out.png";
    ASSERT_EQ(RunTool({"render", pattern, out, "--filter", "1"}).Status, 0);
    const std::string bytes = testsupport::ReadFile(out);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(0, 8), "\x89PNG\r\n\x1a\n");
    // IHDR: width and height, big-endian.
    EXPECT_EQ(bytes.substr(16, 8), std::string("\0\0\x04\x09\0\0\x03\x0b", 8));
}

TEST_F(RenderCommandTest, AFrameThatCannotBeReadWritesNothing)
{
    CfaFile truncated;
    truncated.width = SensorWidth;
    truncated.height = SensorHeight;
    testsupport::WriteFile(temp.Path() + "short.CFA", testsupport::CfaFileBytes(truncated).substr(0, 1000));
    testsupport::WriteFile(temp.Path() + "header.CFA", std::string(100, '\0'));
    for (const std::string name : {"missing.CFA", "short.CFA", "header.CFA"}) {
        const std::string out = temp.Path() + "none.ppm";
        const ToolResult result = RunTool({"render", temp.Path() + name, out, "--stats"});
        EXPECT_EQ(result.Status, 1);
        EXPECT_EQ(result.Out, "");
        EXPECT_EQ(result.Err, "vantrel-tool: " + temp.Path() + name + ": cannot read the lane frame\n");
        EXPECT_FALSE(testsupport::Exists(out));
    }
}

TEST_F(RenderCommandTest, FailuresAfterReadingAreReported)
{
    CfaFile tiny;
    tiny.width = 2;
    tiny.height = 2;
    testsupport::WriteCfaFile(temp.Path() + "tiny.CFA", tiny);
    EXPECT_EQ(RunTool({"render", temp.Path() + "tiny.CFA", temp.Path() + "t.ppm"}).Err,
              "vantrel-tool: " + temp.Path() + "tiny.CFA: the frame has no visible picture\n");
    const std::string out = temp.Path() + "missing/out.ppm";
    const ToolResult result = RunTool({"render", flat, out});
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(result.Err, "vantrel-tool: " + out + ": cannot write the picture\n");
}

}  // namespace
