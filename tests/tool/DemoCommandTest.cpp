#include "TempDir.h"
#include "ToolProcess.h"

#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"
#include "records/RecordContent.h"
#include "records/RecordTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

bool SameTrees(const std::string& a, const std::string& b)
{
    return std::system(("diff -r '" + a + "' '" + b + "' >/dev/null").c_str()) == 0;
}

class DemoCommandTest : public ::testing::Test {
protected:
    testsupport::TempDir demo_;
    std::string installation_ = demo_.Path() + "a/";
    ToolResult result_ = RunTool({"demo", installation_, "--records", "6", "--seed", "7"});
};

TEST_F(DemoCommandTest, IsTheSameForTheSameSeed)
{
    ASSERT_EQ(result_.Status, 0) << result_.Err;
    EXPECT_EQ(result_.Err, "");
    EXPECT_EQ(RunTool({"demo", demo_.Path() + "b", "--records", "6", "--seed", "7"}).Out, result_.Out);
    EXPECT_TRUE(SameTrees(installation_, demo_.Path() + "b"));
    ASSERT_EQ(RunTool({"demo", demo_.Path() + "c", "--records", "6", "--seed", "8"}).Status, 0);
    EXPECT_FALSE(SameTrees(installation_, demo_.Path() + "c"));
}

// Each record, in any of the three places, loads every lane frame it holds,
// all of them after the red light; the settings and code notes load, and the
// installation lists its records from its own directory.
TEST_F(DemoCommandTest, EveryRecordLoadsWithFramesInEveryLaneItHasAndTheInstallationLists)
{
    int records = 0;
    for (const auto& entry : fs::recursive_directory_iterator(installation_ + "records/")) {
        if (!entry.is_directory() || entry.path().filename().string()[0] == '!')
            continue;
        ++records;
        RecordContent content;
        LoadRecord(content, entry.path().string(), 0);
        EXPECT_FALSE(content.Frames[RecordContent::GeneralView].empty()) << entry.path();
        size_t laneFiles = 0, laneFrames = 0;
        for (const auto& file : fs::directory_iterator(entry.path()))
            laneFiles += file.path().extension() == ".CFA";
        for (int lane = 1; lane <= 3; ++lane) {
            laneFrames += content.Frames[lane].size();
            for (const FrameEntry& frame : content.Frames[lane])
                EXPECT_GT(SecondsBetween(frame.Time, content.RedTime), 0.0) << frame.Path;
        }
        EXPECT_GT(laneFiles, 0u) << entry.path();
        EXPECT_EQ(laneFrames, laneFiles) << entry.path();
    }
    EXPECT_EQ(records, 6);
    CVantrelSettings settings;
    ASSERT_EQ(settings.LoadSettings(installation_ + "VantrelControl.settings"), 1) << settings.LastError;
    EXPECT_EQ(settings.SiteList.size(), 3u);
    CCodeNoteMap codeNotes;
    EXPECT_EQ(codeNotes.LoadCodeNotes(installation_ + "VantrelControl.codenote"), 1);
    EXPECT_EQ(Lines(RunTool({"list"}, installation_).Out).size(), 6u);
}

}  // namespace
