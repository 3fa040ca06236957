#include "records/RecordContent.h"

#include "BmpFileWriter.h"
#include "CfaFileWriter.h"
#include "RecordsTestHelpers.h"
#include "ScopedTimeZone.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

using namespace recordstest;
using namespace testsupport;

namespace {

CfaFile Cfa(std::uint8_t lane, std::uint8_t frame, std::uint8_t macTail = 0x55)
{
    CfaFile file;
    file.lane = lane;
    file.frame = frame;
    file.mac[5] = macTail;
    return file;
}

class RecordContentTest : public ::testing::Test {
protected:
    ScopedTimeZone zone{"UTC"};
    TempDir dir;
    std::string record = dir.MakeDir("2006-01-02 03:04:05");
    RecordContent content;

    void Bmp(const std::string& name, const std::string& infoText) { WriteBmpFile(record + name, BmpFile{4, 4, {}, infoText}); }
    const std::vector<FrameEntry>& General() const { return content.Frames[RecordContent::GeneralView]; }
    std::vector<std::string> FileNames(int lane, bool sorted = false) const
    {
        std::vector<std::string> names;
        for (const FrameEntry& frame : content.Frames[lane])
            names.push_back(std::filesystem::path(frame.Path).filename().string());
        if (sorted)
            std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(RecordContentTest, LaneFramesByNumberWithEqualNumbersInReadingOrder)
{
    for (const auto& [name, frame] : {std::pair{"b.cfa", 7}, {"a.cfa", 7}, {"c.cfa", 3}}) {
        WriteCfaFile(record + name, Cfa(2, static_cast<std::uint8_t>(frame)));
        AddLaneFrame(content, record + name);
    }
    EXPECT_EQ(FileNames(2), (std::vector<std::string>{"c.cfa", "b.cfa", "a.cfa"}));
    EXPECT_EQ(content.Frames[2][0].Frame, 3);
    EXPECT_EQ(content.Frames[2][0].Mac, (MacAddress{0x00, 0x11, 0x22, 0x33, 0x44, 0x55}));
}

TEST_F(RecordContentTest, MalformedFilesAreSkipped)
{
    WriteFile(record + "short.CFA", CfaHeaderBytes(Cfa(1, 1)).substr(0, 255));
    WriteFile(record + "empty.CFA", "");
    WriteFile(record + "lane0.CFA", CfaHeaderBytes(Cfa(0, 1)));
    WriteFile(record + "lane4.CFA", CfaHeaderBytes(Cfa(4, 1)));
    WriteFile(record + "header only.CFA", CfaHeaderBytes(Cfa(1, 1)));  // the loader reads no samples
    WriteCfaFile(record + ".CFA", Cfa(1, 1));                           // a name that is all extension
    Bmp(".BMP", "imagetime=2006-01-02 03:04:05.000");
    Bmp("lower.bmp", "imagetime=2006-01-02 03:04:05.000");
    Bmp("picture.BMP.txt", "imagetime=2006-01-02 03:04:05.000");
    std::filesystem::create_directory(record + "sub.CFA");
    std::filesystem::create_symlink(record + "lower.bmp", record + "link.BMP");
    std::filesystem::create_symlink(record + "missing", record + "dangling.CFA");
    mkfifo((record + "pipe.BMP").c_str(), 0600);
    LoadRecord(content, record, 1234);
    EXPECT_EQ(FileNames(1), (std::vector<std::string>{"header only.CFA"}));
    EXPECT_EQ(FileNames(0), (std::vector<std::string>{"lower.bmp"}));
    EXPECT_TRUE(content.Frames[2].empty() && content.Frames[3].empty());
    EXPECT_EQ(content.Path, record);
    EXPECT_EQ(content.Time, 1234);
}

TEST_F(RecordContentTest, LaneFrameTimeAddsTheMillisecondOffset)
{
    const struct {
        std::array<std::uint16_t, 8> capture;
        std::int32_t offset;
        FrameTime expected;
    } cases[] = {
        {{2005, 12, 6, 31, 23, 59, 59, 900}, 200, FrameTime{2006, 1, 0, 1, 0, 0, 0, 100}},
        {{2006, 3, 6, 1, 0, 0, 0, 0}, -1, FrameTime{2006, 2, 2, 28, 23, 59, 59, 999}},  // weekday recomputed
        // Not a calendar time, so it cannot be moved: kept as the header gives it.
        {{2006, 2, 9, 30, 0, 0, 0, 0}, 5000, FrameTime{2006, 2, 9, 30, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        CfaFile file = Cfa(1, 1);
        file.time = c.capture;
        file.millisecondOffset = c.offset;
        WriteCfaFile(record + "f.CFA", file);
        LoadRecord(content, record, 0);
        ASSERT_EQ(content.Frames[1].size(), 1u);
        EXPECT_EQ(content.Frames[1][0].Time, c.expected) << c.offset;
    }
}

TEST_F(RecordContentTest, UnitAddressComesFromTheHighestLaneWithFrames)
{
    Bmp("g.BMP", "imagetime=2006-01-02 03:04:05.000");
    LoadRecord(content, record, 0);
    EXPECT_FALSE(content.Mac);
    WriteCfaFile(record + "l1.CFA", Cfa(1, 1, 0x01));
    WriteCfaFile(record + "r2.CFA", Cfa(3, 2, 0x03));
    WriteCfaFile(record + "r1.CFA", Cfa(3, 1, 0x33));
    LoadRecord(content, record, 0);
    EXPECT_EQ(content.Mac.value_or(MacAddress{})[5], 0x33);
    EXPECT_EQ(General().at(0).Mac[5], 0x33);
}

TEST_F(RecordContentTest, GeneralViewTimeFromInfoTextOrFileName)
{
    const FrameTime expected = Time(2006, 1, 2, 3, 4, 5, 678);
    const struct {
        const char* name;
        std::string infoText;
        FrameTime time;
    } cases[] = {
        {"anything.bmp", "camera 7 imagetime=2006-01-02 03:04:05.678 end", expected},
        {"x20991231235959999.BMP", "imagetime=2006-01-02 03:04:05.678", expected},  // the text wins
        {"v20060102030405678.BMP", "imagetime=2006-01-02 03:04", expected},         // incomplete: the name
        {"v20060102030405678.BMP", std::string("red\0imagetime=2007-01-01 00:00:00.000", 38), expected},
        {"v20060102030405678.BMP", "imagetime=2006-01-02 03:04:05.678imagetime=2007-01-01 00:00:00.000", expected},
        {"cam1_20060102030405012.BMP", "", Time(2006, 1, 2, 3, 4, 5, 12)},  // the last 21 characters
        {"xxxxxxxxxxxxxxxxxxxxxx.BMP", "", FrameTime{}},  // unreadable fields are 0
    };
    for (const auto& c : cases) {
        ClearRecord(content);
        Bmp(c.name, c.infoText);
        AddGeneralViewFrame(content, record + c.name);
        ASSERT_EQ(General().size(), 1u) << c.name;
        EXPECT_EQ(General()[0].Time, c.time) << c.name << " " << c.infoText;
        std::filesystem::remove(record + c.name);
    }
    for (const std::uint32_t offset : {10'000u, 0x7FFFFFF0u, 0xFFFFFFFFu, 40u}) {
        std::string bytes = BmpFileBytes(BmpFile{4, 4, {}, "imagetime=2007-07-07 07:07:07.007"});
        for (int i = 0; i < 4; ++i)
            bytes[10 + i] = static_cast<char>(offset >> (8 * i) & 0xFF);
        WriteFile(record + "v20060102030405678.BMP", bytes);
        ClearRecord(content);
        AddGeneralViewFrame(content, record + "v20060102030405678.BMP");
        ASSERT_EQ(General().size(), 1u);
        EXPECT_EQ(General()[0].Time, expected) << offset;  // no text read, nothing allocated
    }
}

TEST_F(RecordContentTest, GeneralViewFramesAreNumberedInTimeOrder)
{
    Bmp("e.BMP", "imagetime=2006-01-02 03:04:05.500");
    Bmp("short.BMP", "yellowtime=2006-01-02 03:04:01.500 redtime=2006-01-02 03:04:04.250");
    const char* names[] = {"a.BMP", "b.BMP", "c.BMP", "d.BMP"};
    const char* millis[] = {"100", "300", "300", "900"};
    for (int i = 0; i < 4; ++i) {
        Bmp(names[i], std::string("imagetime=2006-01-02 03:04:0") + (i == 3 ? "4." : "5.") + millis[i]);
        AddGeneralViewFrame(content, record + names[i]);
    }
    AddGeneralViewFrame(content, record + "e.BMP");
    AddGeneralViewFrame(content, record + "short.BMP");  // too short a name for a frame, yet it gives the lights
    EXPECT_EQ(FileNames(0), (std::vector<std::string>{"d.BMP", "a.BMP", "b.BMP", "c.BMP", "e.BMP"}));
    for (std::size_t i = 0; i < General().size(); ++i)
        EXPECT_EQ(General()[i].Frame, static_cast<int>(i) + 1);
    EXPECT_EQ(content.RedTime, Time(2006, 1, 2, 3, 4, 4, 250));
    EXPECT_EQ(content.YellowTime, Time(2006, 1, 2, 3, 4, 1, 500));
}

}  // namespace
