#include "TempDir.h"
#include "ToolProcess.h"

#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"
#include "records/RecordContent.h"
#include "records/RecordTime.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Every file below the directory with its bytes, by relative path.
std::map<std::string, std::string> Tree(const std::string& directory)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(directory)) {
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), directory).string()] = testsupport::ReadFile(entry.path().string());
    }
    return files;
}

std::vector<std::string> RecordDirectories(const std::string& records)
{
    std::vector<std::string> directories;
    for (const std::string place : {"", "!CONFIRMED/", "!REJECTED/"}) {
        for (const auto& entry : fs::directory_iterator(records + place)) {
            if (entry.is_directory() && entry.path().filename().string()[0] != '!')
                directories.push_back(entry.path().string());
        }
    }
    return directories;
}

class DemoCommandTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        demo_ = new testsupport::TempDir;
        result_ = new ToolResult(RunTool({"demo", demo_->Path() + "a", "--records", "6", "--seed", "7"}));
    }
    static void TearDownTestSuite()
    {
        delete result_;
        delete demo_;
    }
    static std::string Installation() { return demo_->Path() + "a/"; }

    static testsupport::TempDir* demo_;
    static ToolResult* result_;
};

testsupport::TempDir* DemoCommandTest::demo_ = nullptr;
ToolResult* DemoCommandTest::result_ = nullptr;

TEST_F(DemoCommandTest, IsTheSameForTheSameSeed)
{
    ASSERT_EQ(result_->Status, 0) << result_->Err;
    EXPECT_EQ(result_->Err, "");
    const testsupport::TempDir temp;
    ASSERT_EQ(RunTool({"demo", temp.Path() + "b", "--records", "6", "--seed", "7"}).Out, result_->Out);
    EXPECT_TRUE(Tree(Installation()) == Tree(temp.Path() + "b"));
    ASSERT_EQ(RunTool({"demo", temp.Path() + "c", "--records", "6", "--seed", "8"}).Status, 0);
    EXPECT_FALSE(Tree(Installation()) == Tree(temp.Path() + "c"));
}

TEST_F(DemoCommandTest, EveryRecordLoadsWithFramesInEveryLaneItHas)
{
    const std::vector<std::string> records = RecordDirectories(Installation() + "records/");
    ASSERT_EQ(records.size(), 6u);
    std::map<std::string, int> days;
    for (const std::string& path : records) {
        RecordContent content;
        LoadRecord(content, path, 0);
        days[path.substr(path.size() - 19, 10)]++;
        const auto& general = content.Frames[RecordContent::GeneralView];
        EXPECT_GE(general.size(), 6u) << path;
        EXPECT_LE(general.size(), 12u) << path;
        EXPECT_TRUE(content.Mac.has_value()) << path;
        EXPECT_NEAR(SecondsBetween(content.RedTime, content.YellowTime), 3.0, 0.1) << path;
        int laneFiles[4] = {};
        for (const auto& entry : fs::directory_iterator(path)) {
            const std::string name = entry.path().filename().string();
            if (entry.path().extension() == ".CFA")
                ++laneFiles[name[1] - '0'];
        }
        int lanes = 0;
        for (int lane = 1; lane <= 3; ++lane) {
            EXPECT_EQ(content.Frames[lane].size(), static_cast<size_t>(laneFiles[lane])) << path;
            lanes += !content.Frames[lane].empty();
            for (const FrameEntry& frame : content.Frames[lane])
                EXPECT_GT(SecondsBetween(frame.Time, content.RedTime), 0.0) << frame.Path;
        }
        EXPECT_GE(lanes, 1) << path;
        for (const FrameEntry& frame : general)
            EXPECT_GE(SecondsBetween(frame.Time, content.RedTime), 0.0) << frame.Path;
    }
    EXPECT_EQ(days.size(), 3u);
}

TEST_F(DemoCommandTest, HoldsDecisionsNotesAndTheSubpoena)
{
    const std::vector<std::string> lines = Lines(result_->Out);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1].substr(0, 9), "record\t2\t");
    EXPECT_EQ(lines[4].substr(0, 9), "record\t4\t");
    int notes = 0;
    for (const std::string& path : RecordDirectories(Installation() + "records/"))
        notes += fs::exists(path + "/PrivateNote.txt");
    EXPECT_EQ(notes, 2);
    EXPECT_EQ(testsupport::ReadFile(Installation() + "Subpoena.bmp").substr(0, 2), "BM");
    // The installation lists its records from its own directory.
    const ToolResult list = RunTool({"list"}, Installation());
    EXPECT_EQ(list.Status, 0);
    EXPECT_EQ(Lines(list.Out).size(), 6u);
}

TEST_F(DemoCommandTest, SettingsAndCodeNotesLoad)
{
    CVantrelSettings settings;
    ASSERT_EQ(settings.LoadSettings(Installation() + "VantrelControl.settings"), 1) << settings.LastError;
    EXPECT_EQ(settings.RootDirectory, "records/");
    ASSERT_EQ(settings.SiteList.size(), 3u);
    EXPECT_NE(settings.SiteList[0].address, "");
    EXPECT_EQ(settings.SiteList[2].address, "");
    CCodeNoteMap codeNotes;
    ASSERT_EQ(codeNotes.LoadCodeNotes(Installation() + "VantrelControl.codenote"), 1);
    for (int code = 1; code <= 3; ++code)
        EXPECT_NE(codeNotes.GetNote(code).value_or(""), "") << code;
}

TEST_F(DemoCommandTest, LaneFramesRender)
{
    const std::string record = RecordDirectories(Installation() + "records/")[0];
    std::string frame;
    for (const auto& entry : fs::directory_iterator(record)) {
        if (entry.path().extension() == ".CFA")
            frame = entry.path().string();
    }
    const ToolResult result = RunTool({"render", frame, demo_->Path() + "frame.ppm", "--stats"});
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(result.Out.substr(0, 31), "size\t1144\t790\tvisible\t1033\t779\t");
}

TEST_F(DemoCommandTest, DoesNotWriteOverAnInstallation)
{
    const ToolResult result = RunTool({"demo", Installation(), "--records", "1"});
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(result.Err, "vantrel-tool: " + Installation() + "records: already exists\n");
}

}  // namespace
