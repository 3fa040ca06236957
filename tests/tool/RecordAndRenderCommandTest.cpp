#include "BmpFileWriter.h"
#include "CfaFileWriter.h"
#include "TempDir.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testsupport::BmpFile;
using testsupport::CfaFile;

CfaFile LaneFrame(uint8_t lane, uint8_t frame, FrameTime time, int32_t offset = 0,
                  MacAddress mac = testsupport::LaneFrameHeader().Mac)
{
    return {{8, 8, offset, time, lane, frame, mac}, {}};
}

TEST(RecordCommandTest, PrintsTimingFramesAndCaptions)
{
    const testsupport::TempDir temp;
    const std::string record = temp.MakeDir("2006-01-02 03-04-05");
    BmpFile info;
    info.infoText = "x yellowtime=2006-01-02 03:04:02.000 redtime=2006-01-02 03:04:05.000 "
                    "imagetime=2006-01-02 03:04:05.500\n";
    testsupport::WriteBmpFile(record + "view.BMP", info);
    testsupport::WriteBmpFile(record + "GV_20060102030404900.BMP", BmpFile{});
    // Lane 1 in reverse file order; lane 3's address, the highest lane's, is the record's.
    testsupport::WriteCfaFile(record + "b.CFA", LaneFrame(1, 2, {2006, 1, 0, 2, 3, 4, 6, 250}));
    testsupport::WriteCfaFile(record + "a.CFA", LaneFrame(1, 1, {2006, 1, 0, 2, 3, 4, 4, 0}));
    // Exactly at the start of the red light.
    testsupport::WriteCfaFile(record + "d.CFA", LaneFrame(2, 1, {2006, 1, 0, 2, 3, 4, 5, 0}));
    testsupport::WriteCfaFile(record + "c.CFA",
                              LaneFrame(3, 9, {2006, 1, 0, 2, 3, 4, 5, 0}, 1250, {0xAA, 0x0B, 0xCC, 0x0D, 0xEE, 0x0F}));

    const ToolResult result = RunTool({"record", record});
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(result.Err, "");
    const std::vector<std::string> expected = {
        "red\t2006-01-02 03:04:05.000",
        "yellow\t2006-01-02 03:04:02.000",
        "mac\tAA:0B:CC:0D:EE:0F",
        "frame\t0\t1\t2006-01-02 03:04:04.900\t0\tAA:0B:CC:0D:EE:0F\tGV_20060102030404900.BMP",
        "frame\t0\t2\t2006-01-02 03:04:05.500\t0\tAA:0B:CC:0D:EE:0F\tview.BMP",
        "frame\t1\t1\t2006-01-02 03:04:04.000\t1\t00:11:22:33:44:55\ta.CFA",
        "frame\t1\t2\t2006-01-02 03:04:06.250\t1\t00:11:22:33:44:55\tb.CFA",
        "frame\t2\t1\t2006-01-02 03:04:05.000\t1\t00:11:22:33:44:55\td.CFA",
        "frame\t3\t9\t2006-01-02 03:04:06.250\t1\tAA:0B:CC:0D:EE:0F\tc.CFA",
        "caption\t1\t1\tLeft lane, Frame 1, Monday, 02-January-2006 03:04:04.000",
        "caption\t1\t2\tLeft lane, Frame 2, Monday, 02-January-2006 03:04:06.250 (After red light 1.250 sec.)",
        "caption\t2\t1\tMiddle lane, Frame 1, Monday, 02-January-2006 03:04:05.000 (After red light 0.000 sec.)",
        "caption\t3\t1\tRight lane, Frame 1, Monday, 02-January-2006 03:04:06.250 (After red light 1.250 sec.)",
    };
    EXPECT_EQ(Lines(result.Out), expected);
}

// A red time that is no calendar time is printed raw; what is not given stays empty.
TEST(RecordCommandTest, ShowsStoredFieldsAsTheyAreAndLeavesOutWhatIsNotGiven)
{
    const testsupport::TempDir temp;
    const std::string record = temp.MakeDir("not a record name");
    BmpFile info;
    info.infoText = "redtime=2006-13-40 25:61:61.999";
    testsupport::WriteBmpFile(record + "short.BMP", info);
    EXPECT_EQ(Lines(RunTool({"record", record}).Out),
              (std::vector<std::string>{"red\t2006-13-40 25:61:61.999", "yellow\t", "mac\t"}));
}

// A full-size frame: level 100 in the optical-black area, 1000 elsewhere.
testsupport::CfaFile FlatFrame()
{
    testsupport::CfaFile file{testsupport::LaneFrameHeader(1144, 790), std::vector<uint16_t>(size_t{1144} * 790)};
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
