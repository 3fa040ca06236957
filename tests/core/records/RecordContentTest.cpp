#include "records/RecordContent.h"

#include "BmpFileWriter.h"
#include "CfaFileWriter.h"
#include "ScopedTimeZone.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace testsupport;

namespace {

FrameTime Time(int year, int month, int day, int hour, int minute, int second, int millisecond)
{
    const auto u16 = [](int value) { return static_cast<std::uint16_t>(value); };
    return FrameTime{u16(year), u16(month), 0, u16(day), u16(hour), u16(minute), u16(second), u16(millisecond)};
}

CfaFile Cfa(std::uint8_t lane, std::uint8_t frame, std::uint8_t macTail = 0x55)
{
    CfaFile file;
    file.lane = lane;
    file.frame = frame;
    file.mac[5] = macTail;
    return file;
}

void WriteBmp(const std::string& path, const std::string& infoText)
{
    BmpFile file;
    file.infoText = infoText;
    WriteBmpFile(path, file);
}

std::vector<std::string> FileNames(const std::vector<FrameEntry>& frames)
{
    std::vector<std::string> names;
    for (const FrameEntry& frame : frames)
        names.push_back(std::filesystem::path(frame.Path).filename().string());
    return names;
}

class RecordContentTest : public ::testing::Test {
protected:
    ScopedTimeZone zone{"UTC"};
    TempDir dir;
    std::string record = dir.MakeDir("2006-01-02 03:04:05");
    RecordContent content;

    void Load() { LoadRecord(content, record, 1234); }
    const std::vector<FrameEntry>& General() const { return content.Frames[RecordContent::GeneralView]; }
};

TEST_F(RecordContentTest, LaneFramesByHeaderSortedByNumberWithTiesInReadingOrder)
{
    // Reading order among equal numbers is the directory's, so add them one by one.
    WriteCfaFile(dir.Path() + "b.cfa", Cfa(2, 7));
    WriteCfaFile(dir.Path() + "a.cfa", Cfa(2, 7));
    WriteCfaFile(dir.Path() + "c.cfa", Cfa(2, 3));
    for (const char* name : {"b.cfa", "a.cfa", "c.cfa"})
        AddLaneFrame(content, dir.Path() + name);
    EXPECT_EQ(FileNames(content.Frames[2]), (std::vector<std::string>{"c.cfa", "b.cfa", "a.cfa"}));
    const FrameEntry& first = content.Frames[2][0];
    EXPECT_EQ(first.Frame, 3);
    EXPECT_EQ(first.Lane, 2);
    EXPECT_EQ(first.Mac, (MacAddress{0x00, 0x11, 0x22, 0x33, 0x44, 0x55}));
}

TEST_F(RecordContentTest, MalformedLaneFramesAreSkipped)
{
    const std::string header = CfaHeaderBytes(Cfa(1, 1));
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"short.CFA", header.substr(0, 255)},
        {"empty.CFA", ""},
        {"lane0.CFA", CfaHeaderBytes(Cfa(0, 1))},
        {"lane4.CFA", CfaHeaderBytes(Cfa(4, 1))},
        {"headeronly.CFA", header},  // no samples: the loader reads only the header
    };
    for (const auto& c : cases)
        WriteFile(record + c.name, c.bytes);
    dir.MakeDir("2006-01-02 03:04:05/sub.CFA");
    Load();
    EXPECT_EQ(FileNames(content.Frames[1]), (std::vector<std::string>{"headeronly.CFA"}));
    EXPECT_TRUE(content.Frames[2].empty() && content.Frames[3].empty());
}

TEST_F(RecordContentTest, LaneFrameTimeAddsTheMillisecondOffset)
{
    const struct {
        std::array<std::uint16_t, 8> capture;
        std::int32_t offset;
        FrameTime expected;
    } cases[] = {
        {{2006, 1, 0, 2, 12, 0, 0, 0}, 1500, FrameTime{2006, 1, 1, 2, 12, 0, 1, 500}},
        {{2005, 12, 6, 31, 23, 59, 59, 900}, 200, FrameTime{2006, 1, 0, 1, 0, 0, 0, 100}},
        {{2006, 3, 0, 1, 0, 0, 0, 0}, -1, FrameTime{2006, 2, 2, 28, 23, 59, 59, 999}},
        {{2006, 1, 6, 4, 5, 6, 7, 8}, 0, FrameTime{2006, 1, 3, 4, 5, 6, 7, 8}},  // weekday recomputed
        // No calendar time to move: kept as the header gives it.
        {{0, 0, 0, 0, 0, 0, 0, 0}, 5000, FrameTime{}},
        {{2006, 2, 9, 30, 0, 0, 0, 0}, 5000, FrameTime{2006, 2, 9, 30, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        CfaFile file = Cfa(1, 1);
        file.time = c.capture;
        file.millisecondOffset = c.offset;
        WriteCfaFile(record + "f.CFA", file);
        ClearRecord(content);
        AddLaneFrame(content, record + "f.CFA");
        ASSERT_EQ(content.Frames[1].size(), 1u);
        EXPECT_EQ(content.Frames[1][0].Time, c.expected) << c.offset;
    }
}

TEST_F(RecordContentTest, UnitAddressComesFromTheHighestLaneWithFrames)
{
    WriteCfaFile(record + "l1.CFA", Cfa(1, 1, 0x01));
    WriteCfaFile(record + "r2.CFA", Cfa(3, 2, 0x03));
    WriteCfaFile(record + "r1.CFA", Cfa(3, 1, 0x33));
    WriteBmp(record + "g.BMP", "imagetime=2006-01-02 03:04:05.000");
    Load();
    ASSERT_TRUE(content.Mac);
    EXPECT_EQ((*content.Mac)[5], 0x33);  // the first frame of lane 3
    EXPECT_EQ(General().at(0).Mac[5], 0x33);

    std::filesystem::remove(record + "r2.CFA");
    std::filesystem::remove(record + "r1.CFA");
    std::filesystem::remove(record + "l1.CFA");
    Load();
    EXPECT_FALSE(content.Mac);
    EXPECT_EQ(General().at(0).Mac, MacAddress{});
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
        {"v20060102030405678.BMP", "", expected},
        {"v20060102030405678.BMP", "imagetime=2006-01-02 03:04", expected},  // incomplete: the name
        {"v20060102030405678.BMP", std::string("red\0imagetime=2007-01-01 00:00:00.000", 38), expected},
        {"v20060102030405678.BMP", "imagetime=2006-01-02 03:04:05.678imagetime=2007-01-01 00:00:00.000", expected},
        {"cam1_20060102030405012.BMP", "", Time(2006, 1, 2, 3, 4, 5, 12)},  // the last 21 characters
        {"xxxxxxxxxxxxxxxxxxxxxx.BMP", "", FrameTime{}},  // 21 or more that do not read: zero fields
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name + (" " + c.infoText));
        ClearRecord(content);
        WriteBmp(record + c.name, c.infoText);
        AddGeneralViewFrame(content, record + c.name);
        ASSERT_EQ(General().size(), 1u);
        EXPECT_EQ(General()[0].Time, c.time);
        EXPECT_EQ(General()[0].Lane, 0);
        EXPECT_EQ(General()[0].Frame, 1);
        std::filesystem::remove(record + c.name);
    }
}

TEST_F(RecordContentTest, RedAndYellowTimesComeFromAnyGeneralViewFile)
{
    WriteBmp(record + "short.BMP", "yellowtime=2006-01-02 03:04:01.500 redtime=2006-01-02 03:04:04.250");
    Load();
    EXPECT_TRUE(General().empty());  // eight characters and no image time: not a frame of the record
    EXPECT_EQ(content.RedTime, Time(2006, 1, 2, 3, 4, 4, 250));
    EXPECT_EQ(content.YellowTime, Time(2006, 1, 2, 3, 4, 1, 500));

    WriteBmp(record + "short.BMP", "redtime=2006-01-02 03:04");
    Load();
    EXPECT_EQ(content.RedTime, FrameTime{});
    EXPECT_EQ(content.Path, record);
    EXPECT_EQ(content.Time, 1234);
}

TEST_F(RecordContentTest, GeneralViewFramesAreNumberedInTimeOrder)
{
    const char* names[] = {"a.BMP", "b.BMP", "c.BMP", "d.BMP", "e.BMP"};
    const char* texts[] = {"imagetime=2006-01-02 03:04:05.500", "imagetime=2006-01-02 03:04:05.100",
                           "imagetime=2006-01-02 03:04:05.300", "imagetime=2006-01-02 03:04:05.300",
                           "imagetime=2006-01-02 03:04:04.900"};
    for (int i = 0; i < 5; ++i) {
        WriteBmp(record + names[i], texts[i]);
        AddGeneralViewFrame(content, record + names[i]);
    }
    EXPECT_EQ(FileNames(General()), (std::vector<std::string>{"e.BMP", "b.BMP", "c.BMP", "d.BMP", "a.BMP"}));
    for (std::size_t i = 0; i < General().size(); ++i)
        EXPECT_EQ(General()[i].Frame, static_cast<int>(i) + 1);
}

TEST_F(RecordContentTest, FilesAreClassifiedByExtension)
{
    WriteBmp(record + ".BMP", "imagetime=2006-01-02 03:04:05.000");
    WriteBmp(record + "lower.bmp", "imagetime=2006-01-02 03:04:05.000");
    WriteBmp(record + "two.dots.Bmp", "imagetime=2006-01-02 03:04:05.000");
    WriteBmp(record + "picture.BMP.txt", "imagetime=2006-01-02 03:04:05.000");
    WriteCfaFile(record + ".CFA", Cfa(1, 1));
    WriteFile(record + "PrivateNote.txt", "3 note");
    std::filesystem::create_symlink(record + "lower.bmp", record + "link.BMP");
    std::filesystem::create_symlink(record + "missing", record + "dangling.CFA");
    mkfifo((record + "pipe.BMP").c_str(), 0600);
    Load();
    std::vector<std::string> names = FileNames(General());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"lower.bmp", "two.dots.Bmp"}));
    EXPECT_TRUE(content.Frames[1].empty());
}

TEST_F(RecordContentTest, APixelOffsetBeyondTheFileMeansNoInfoText)
{
    for (const std::uint32_t offset : {0x7FFFFFF0u, 0xFFFFFFFFu, 40u}) {
        std::string bytes = BmpFileBytes(BmpFile{4, 4, {}, "imagetime=2007-07-07 07:07:07.007"});
        for (int i = 0; i < 4; ++i)
            bytes[10 + i] = static_cast<char>(offset >> (8 * i) & 0xFF);
        WriteFile(record + "v20060102030405678.BMP", bytes);
        ClearRecord(content);
        AddGeneralViewFrame(content, record + "v20060102030405678.BMP");
        ASSERT_EQ(General().size(), 1u);
        EXPECT_EQ(General()[0].Time, Time(2006, 1, 2, 3, 4, 5, 678)) << offset;
    }
    WriteFile(record + "v20060102030405678.BMP", "BM");  // a truncated header
    ClearRecord(content);
    AddGeneralViewFrame(content, record + "v20060102030405678.BMP");
    ASSERT_EQ(General().size(), 1u);
}

TEST_F(RecordContentTest, AMissingFileStillGetsItsTimeFromItsName)
{
    AddGeneralViewFrame(content, record + "v20060102030405678.BMP");
    AddGeneralViewFrame(content, record + "gone.BMP");
    AddLaneFrame(content, record + "gone.CFA");
    EXPECT_EQ(General().size(), 1u);
    EXPECT_TRUE(content.Frames[1].empty());
}

TEST_F(RecordContentTest, LoadingReplacesTheLastRecordAndAnUnreadableDirectoryHasNoFrames)
{
    WriteCfaFile(record + "f.CFA", Cfa(1, 1));
    WriteBmp(record + "g.BMP", "redtime=2006-01-02 03:04:04.250 imagetime=2006-01-02 03:04:05.000");
    Load();
    ASSERT_EQ(content.Frames[1].size(), 1u);
    const std::string empty = dir.MakeDir("2006-01-02 03:04:06");
    LoadRecord(content, empty.substr(0, empty.size() - 1), 99);
    EXPECT_EQ(content.Path, empty);
    EXPECT_EQ(content.Time, 99);
    EXPECT_TRUE(content.Frames[0].empty() && content.Frames[1].empty());
    EXPECT_EQ(content.RedTime, FrameTime{});
    EXPECT_FALSE(content.Mac);
    LoadRecord(content, dir.Path() + "no such record", 5);
    EXPECT_TRUE(content.Frames[0].empty());
}

}  // namespace
