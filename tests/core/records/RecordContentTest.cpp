#include "records/RecordContent.h"
#include "records/BmpFileBytes.h"
#include "records/LittleEndian.h"

#include "BmpFileWriter.h"
#include "CfaFileWriter.h"
#include "RecordsTestHelpers.h"

#include <filesystem>
#include <sys/stat.h>

using namespace recordstest;
using namespace testsupport;

namespace {

CfaHeader Cfa(std::uint8_t lane, std::uint8_t frame, std::uint8_t macTail, FrameTime time = LaneFrameHeader().Time,
              std::int32_t millisecondOffset = 0)
{
    return {8, 8, millisecondOffset, time, lane, frame, {0x00, 0x11, 0x22, 0x33, 0x44, macTail}};
}

class RecordContentTest : public RecordTreeTest {
protected:
    std::string record = MakeRecordDirectory(root, "2006-01-02 03:04:05");
    RecordContent content;

    void Bmp(const std::string& name, const std::string& text) { WriteBmpFile(record + name, BmpFile{4, 4, {}, text}); }
    // "lane:name number" of every frame, lane by lane in each lane's order.
    Names Frames() const
    {
        Names names;
        for (const std::vector<FrameEntry>& lane : content.Frames)
            for (const FrameEntry& frame : lane)
                names.push_back(std::to_string(frame.Lane) + ":" + frame.Path.substr(record.size()) + " " +
                                std::to_string(frame.Frame));
        return names;
    }
};

TEST_F(RecordContentTest, LaneFramesByNumberWithTheirTimesAndTheUnitAddressOfTheHighestLaneOddFilesSkipped)
{
    for (const auto& [name, bytes] :  // ".CFA" is a name that is all extension
         {std::pair{"short.CFA", CfaHeaderBytes(Cfa(1, 1, 0)).substr(0, 255)}, {"empty.CFA", std::string()},
          {"lane0.CFA", CfaHeaderBytes(Cfa(0, 1, 0))}, {"lane4.CFA", CfaHeaderBytes(Cfa(4, 1, 0))},
          {".CFA", CfaFileBytes(Cfa(1, 1, 0), {})}})
        WriteFile(record + name, bytes);
    for (const char* name : {".BMP", "lower.bmp", "picture.BMP.txt"})
        Bmp(name, "imagetime=2006-01-02 03:04:05.000");
    std::filesystem::create_directory(record + "sub.CFA");
    std::filesystem::create_symlink(record + "lower.bmp", record + "link.BMP");
    std::filesystem::create_symlink(record + "missing", record + "dangling.CFA");
    mkfifo((record + "pipe.BMP").c_str(), 0600);
    // Capture times moved by the millisecond offset, the weekday recomputed; one that is no calendar time stays.
    WriteFile(record + "l1.CFA", CfaHeaderBytes(Cfa(1, 1, 0x01, {2006, 3, 6, 1, 0, 0, 0, 0}, -1)));  // no samples
    WriteCfaFile(record + "r2.cfa", {Cfa(3, 2, 0x03, {2006, 2, 9, 30, 0, 0, 0, 0}, 5000), {}});
    WriteCfaFile(record + "r1.CFA", {Cfa(3, 1, 0x33, {2005, 12, 6, 31, 23, 59, 59, 900}, 200), {}});
    LoadRecord(content, record, 1234);
    EXPECT_EQ(Frames(), (Names{"0:lower.bmp 1", "1:l1.CFA 1", "3:r1.CFA 1", "3:r2.cfa 2"}));
    EXPECT_EQ(content.Path + std::to_string(content.Time), record + "1234");
    EXPECT_EQ(content.Frames[1][0].Time, (FrameTime{2006, 2, 2, 28, 23, 59, 59, 999}));
    EXPECT_EQ(content.Frames[3][0].Time, (FrameTime{2006, 1, 0, 1, 0, 0, 0, 100}));
    EXPECT_EQ(content.Frames[3][1].Time, (FrameTime{2006, 2, 9, 30, 0, 0, 0, 0}));
    EXPECT_EQ(content.Mac, content.Frames[0][0].Mac);
    EXPECT_EQ(content.Frames[0][0].Mac, (MacAddress{0x00, 0x11, 0x22, 0x33, 0x44, 0x33}));
    WriteCfaFile(record + "tie.CFA", {Cfa(1, 1, 0), {}});
    AddLaneFrame(content, record + "tie.CFA");  // after the frame with the same number
    EXPECT_EQ(Frames(), (Names{"0:lower.bmp 1", "1:l1.CFA 1", "1:tie.CFA 1", "3:r1.CFA 1", "3:r2.cfa 2"}));
    LoadRecord(content, dir.MakeDir("no lane frames"), 0);
    EXPECT_FALSE(content.Mac);
}

TEST_F(RecordContentTest, GeneralViewFramesAreTimedByInfoTextOrFileNameAndNumberedInTimeOrder)
{
    const struct {
        const char* name;
        std::string infoText;
        FrameTime time = Time(2006, 1, 2, 3, 4, 5, 678);
    } cases[] = {
        {"anything.bmp", "camera 7 imagetime=2006-01-02 03:04:05.678 end"},
        {"x20991231235959999.BMP", "imagetime=2006-01-02 03:04:05.678"},  // the text wins
        {"v20060102030405678.BMP", "imagetime=2006-01-02 03:04"},         // incomplete: the name
        {"v20060102030405678.BMP", std::string("red\0imagetime=2007-01-01 00:00:00.000", 38)},
        {"v20060102030405678.BMP", "imagetime=2006-01-02 03:04:05.678imagetime=2007-01-01 00:00:00.000"},
        {"cam1_20060102030405012.BMP", "", Time(2006, 1, 2, 3, 4, 5, 12)},  // the last 21 characters
        {"xxxxxxxxxxxxxxxxxxxxxx.BMP", "", FrameTime{}},                    // unreadable fields are 0
    };
    for (const auto& c : cases) {
        ClearRecord(content);
        Bmp(c.name, c.infoText);
        AddGeneralViewFrame(content, record + c.name);
        EXPECT_EQ(content.Frames[0].at(0).Time, c.time) << c.name << " " << c.infoText;
    }
    // A pixel offset that claims more than the file holds: no text is read and nothing allocated.
    for (const std::uint32_t offset : {10'000u, 0x7FFFFFF0u, 0xFFFFFFFFu, 40u}) {
        std::string bytes = BmpFileBytes(4, 4, {}, "imagetime=2007-07-07 07:07:07.007");
        PutLittle32(bytes, 10, offset);
        WriteFile(record + "v20060102030405678.BMP", bytes);
        ClearRecord(content);
        AddGeneralViewFrame(content, record + "v20060102030405678.BMP");
        EXPECT_EQ(content.Frames[0].at(0).Time, cases[0].time) << offset;
    }
    // Numbered in time order, equal times in reading order.
    ClearRecord(content);
    const auto at = [](const char* time) { return std::string("2006-01-02 03:04:") + time; };
    for (const auto& [name, text] :
         {std::pair{"a.BMP", "imagetime=" + at("05.100")}, {"b.BMP", "imagetime=" + at("05.300")},
          {"c.BMP", "imagetime=" + at("05.300")}, {"d.BMP", "imagetime=" + at("04.900")},
          {"e.BMP", "imagetime=" + at("05.500")},
          {"short.BMP", "yellowtime=" + at("01.500") + " redtime=" + at("04.250")}}) {  // no frame, but the lights
        Bmp(name, text);
        AddGeneralViewFrame(content, record + name);
    }
    EXPECT_EQ(Frames(), (Names{"0:d.BMP 1", "0:a.BMP 2", "0:b.BMP 3", "0:c.BMP 4", "0:e.BMP 5"}));
    EXPECT_EQ(content.RedTime, Time(2006, 1, 2, 3, 4, 4, 250));
    EXPECT_EQ(content.YellowTime, Time(2006, 1, 2, 3, 4, 1, 500));
}

}  // namespace
