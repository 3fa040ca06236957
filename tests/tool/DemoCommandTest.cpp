#include "TempDir.h"
#include "ToolProcess.h"

#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"
#include "records/RecordContent.h"
#include "records/RecordTime.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The records below an installation's record root, in all three places.
std::vector<std::string> RecordDirectories(const std::string& records)
{
    std::vector<std::string> directories;
    for (const auto& entry : fs::recursive_directory_iterator(records))
        if (entry.is_directory() && entry.path().filename().string()[0] != '!')
            directories.push_back(entry.path().string());
    return directories;
}

bool SameTrees(const std::string& a, const std::string& b)
{
    return std::system(("diff -r '" + a + "' '" + b + "' >/dev/null").c_str()) == 0;
}

class DemoCommandTest : public ::testing::Test {
protected:
    testsupport::TempDir demo_;
    ToolResult result_ = RunTool({"demo", demo_.Path() + "a", "--records", "6", "--seed", "7"});
    std::string Installation() const { return demo_.Path() + "a/"; }
};

TEST_F(DemoCommandTest, IsTheSameForTheSameSeed)
{
    ASSERT_EQ(result_.Status, 0) << result_.Err;
    EXPECT_EQ(result_.Err, "");
    const testsupport::TempDir temp;
    ASSERT_EQ(RunTool({"demo", temp.Path() + "b", "--records", "6", "--seed", "7"}).Out, result_.Out);
    EXPECT_TRUE(SameTrees(Installation(), temp.Path() + "b"));
    ASSERT_EQ(RunTool({"demo", temp.Path() + "c", "--records", "6", "--seed", "8"}).Status, 0);
    EXPECT_FALSE(SameTrees(Installation(), temp.Path() + "c"));
}

TEST_F(DemoCommandTest, EveryRecordLoadsWithFramesInEveryLaneItHas)
{
    const std::vector<std::string> records = RecordDirectories(Installation() + "records/");
    ASSERT_EQ(records.size(), 6u);
    for (const std::string& path : records) {
        RecordContent content;
        LoadRecord(content, path, 0);
        EXPECT_FALSE(content.Frames[RecordContent::GeneralView].empty()) << path;
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
    }
}

TEST_F(DemoCommandTest, SettingsAndCodeNotesLoadAndTheRecordsList)
{
    CVantrelSettings settings;
    ASSERT_EQ(settings.LoadSettings(Installation() + "VantrelControl.settings"), 1) << settings.LastError;
    EXPECT_EQ(settings.RootDirectory, "records/");
    EXPECT_EQ(settings.SiteList.size(), 3u);
    CCodeNoteMap codeNotes;
    ASSERT_EQ(codeNotes.LoadCodeNotes(Installation() + "VantrelControl.codenote"), 1);
    for (int code = 1; code <= 3; ++code)
        EXPECT_NE(codeNotes.GetNote(code).value_or(""), "") << code;
    // The installation lists its records from its own directory.
    EXPECT_EQ(Lines(RunTool({"list"}, Installation()).Out).size(), 6u);
}

}  // namespace
