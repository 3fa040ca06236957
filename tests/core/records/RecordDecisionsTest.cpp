#include "records/RecordDirectory.h"

#include "CfaFileWriter.h"
#include "RecordTreeWriter.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace testsupport;

namespace {

constexpr const char* Name = "2006-01-02 10:00:00";

class RecordDecisionsTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string root = dir.Path();
    std::string confirmed = root + "!CONFIRMED/";
    std::string rejected = root + "!REJECTED/";
    RecordDirectory records;

    void SetUp() override
    {
        const std::string record = MakeRecordDirectory(root, Name);
        WriteCfaFile(record + "f.CFA", CfaFile{});
        WriteNoteFile(record, "3 keep");
        MakeRecordDirectory(root, "2006-01-01 10:00:00");
        records.SetRoot(root);
        records.Select(1);
    }

    RecordState OnDisk() const
    {
        const bool inRoot = Exists(root + Name), inConfirmed = Exists(confirmed + Name),
                   inRejected = Exists(rejected + Name);
        EXPECT_EQ(inRoot + inConfirmed + inRejected, 1);
        return inConfirmed ? RecordState::Confirmed : inRejected ? RecordState::Rejected : RecordState::Unprocessed;
    }
};

TEST_F(RecordDecisionsTest, EachDecisionMovesTheRecordAndKeepsItsRowSelected)
{
    const struct {
        bool (RecordDirectory::*decide)(int);
        RecordState after;
    } steps[] = {
        {&RecordDirectory::ConfirmRecord, RecordState::Confirmed},  // creates the directory
        {&RecordDirectory::ConfirmRecord, RecordState::Confirmed},  // nothing to do
        {&RecordDirectory::RejectRecord, RecordState::Rejected},    // straight from confirmed
        {&RecordDirectory::RestoreRecord, RecordState::Unprocessed},
        {&RecordDirectory::RestoreRecord, RecordState::Unprocessed},
        {&RecordDirectory::RejectRecord, RecordState::Rejected},
        {&RecordDirectory::ConfirmRecord, RecordState::Confirmed},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE((records.*steps[i].decide)(1));
        EXPECT_EQ(OnDisk(), steps[i].after);
        EXPECT_EQ(records.Visible[1].State, steps[i].after);
        EXPECT_EQ(records.FindByName(Name)->State, steps[i].after);
        EXPECT_EQ(records.SelectedIndex, 1);
        EXPECT_EQ(records.Content.Path, records.RecordPath(records.Visible[1]) + "/");
        EXPECT_EQ(records.Content.Frames[1].size(), 1u);  // reloaded from the new place
        PrivateNote note;
        EXPECT_TRUE(records.ReadNote(1, note) && note.NoteText == "keep");
    }
}

TEST_F(RecordDecisionsTest, AMoveOntoAnExistingNameFailsAndLeavesBothDirectories)
{
    // Even an empty directory of that name blocks the move; a plain rename would replace it.
    const std::string blocker = MakeRecordDirectory(confirmed, Name);
    EXPECT_FALSE(records.ConfirmRecord(1));
    EXPECT_TRUE(Exists(root + Name + "/f.CFA") && Exists(blocker));
    EXPECT_EQ(records.Visible[1].State, RecordState::Unprocessed);
    EXPECT_EQ(records.FindByName(Name)->State, RecordState::Unprocessed);
    std::filesystem::remove_all(blocker);
    WriteFile(root + "!REJECTED", "not a directory");
    EXPECT_FALSE(records.RejectRecord(1));
    std::filesystem::remove_all(root + Name);
    EXPECT_FALSE(records.ConfirmRecord(1));  // the source is gone
    EXPECT_EQ(records.Visible[1].State, RecordState::Unprocessed);
}

TEST_F(RecordDecisionsTest, WithoutARowNothingHappens)
{
    EXPECT_TRUE(records.ConfirmRecord(-1));
    EXPECT_FALSE(Exists(confirmed));
    EXPECT_THROW(records.ConfirmRecord(2), std::invalid_argument);
    records.SetFilter(1 | 2);  // nothing visible
    EXPECT_TRUE(records.RejectRecord(0));
    EXPECT_EQ(OnDisk(), RecordState::Unprocessed);
}

TEST_F(RecordDecisionsTest, TheRowThatMovedIsUpdatedWhenItsNameLiesInTwoDirectories)
{
    MakeRecordDirectory(confirmed, "2006-01-02T10:00:00");
    MakeRecordDirectory(rejected, "2006-01-02t10:00:00");
    records.Rescan();
    records.SetSortMode(RecordDirectory::SortByType);
    ASSERT_TRUE(records.RestoreRecord(3));
    std::vector<RecordEntry> stillConfirmed;
    records.BuildList(stillConfirmed, 1 | 2, 0, RecordDirectory::SortByTime);
    ASSERT_EQ(stillConfirmed.size(), 1u);  // the first row of that name, which did not move
    EXPECT_EQ(records.RecordPath(stillConfirmed[0]), confirmed + "2006-01-02T10:00:00");
    EXPECT_EQ(records.FindByName("2006-01-02t10:00:00")->State, RecordState::Confirmed);
}

}  // namespace
