#include "records/DirectoryMove.h"
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
    RecordDirectory records;

    std::string Root() const { return dir.Path(); }
    std::string Confirmed() const { return dir.Path() + "!CONFIRMED/"; }
    std::string Rejected() const { return dir.Path() + "!REJECTED/"; }

    void SetUp() override
    {
        const std::string record = MakeRecordDirectory(Root(), Name);
        WriteCfaFile(record + "f.CFA", CfaFile{});
        WriteNoteFile(record, "3 keep");
        MakeRecordDirectory(Root(), "2006-01-01 10:00:00");
        records.SetRoot(Root());
        records.Select(1);
        ASSERT_EQ(records.Visible[1].Name, Name);
    }

    // Where the record lies on disk, checked for exactly one place.
    RecordState OnDisk() const
    {
        const bool root = Exists(Root() + Name), confirmed = Exists(Confirmed() + Name),
                   rejected = Exists(Rejected() + Name);
        EXPECT_EQ(root + confirmed + rejected, 1);
        return confirmed ? RecordState::Confirmed : rejected ? RecordState::Rejected : RecordState::Unprocessed;
    }

    void ExpectState(RecordState state)
    {
        EXPECT_EQ(OnDisk(), state);
        EXPECT_EQ(records.Visible[1].State, state);
        EXPECT_EQ(records.FindByName(Name)->State, state);
        EXPECT_EQ(records.SelectedIndex, 1);
        EXPECT_EQ(records.Content.Path, records.RecordPath(records.Visible[1]) + "/");
        EXPECT_EQ(records.Content.Frames[1].size(), 1u);  // reloaded from the new place
        PrivateNote note;
        EXPECT_TRUE(records.ReadNote(1, note));
        EXPECT_EQ(note.NoteText, "keep");
    }
};

TEST_F(RecordDecisionsTest, EachDecisionMovesTheRecordAndKeepsItsRow)
{
    const struct {
        const char* step;
        bool (RecordDirectory::*decide)(int);
        RecordState after;
    } steps[] = {
        {"confirm, creating the directory", &RecordDirectory::ConfirmRecord, RecordState::Confirmed},
        {"confirm again: nothing to do", &RecordDirectory::ConfirmRecord, RecordState::Confirmed},
        {"reject a confirmed record", &RecordDirectory::RejectRecord, RecordState::Rejected},
        {"restore", &RecordDirectory::RestoreRecord, RecordState::Unprocessed},
        {"restore again: nothing to do", &RecordDirectory::RestoreRecord, RecordState::Unprocessed},
        {"reject, creating the directory", &RecordDirectory::RejectRecord, RecordState::Rejected},
        {"confirm a rejected record", &RecordDirectory::ConfirmRecord, RecordState::Confirmed},
        {"restore a confirmed record", &RecordDirectory::RestoreRecord, RecordState::Unprocessed},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        EXPECT_TRUE((records.*step.decide)(1));
        ExpectState(step.after);
    }
}

TEST_F(RecordDecisionsTest, SortByTypeRowsStayInPlaceAfterADecision)
{
    records.SetSortMode(RecordDirectory::SortByType);
    records.Select(1);
    ASSERT_TRUE(records.ConfirmRecord(1));
    EXPECT_EQ(records.Visible[1].Name, Name);
    records.Refilter();  // only a rebuild moves it
    EXPECT_EQ(records.Visible[1].Name, Name);
    EXPECT_EQ(records.Visible[1].State, RecordState::Confirmed);
}

TEST_F(RecordDecisionsTest, AMoveOntoAnExistingNameFailsAndChangesNothing)
{
    for (const bool empty : {true, false}) {
        SCOPED_TRACE(empty ? "empty directory in the way" : "record in the way");
        const std::string blocker = MakeRecordDirectory(Confirmed(), Name);
        if (!empty)
            WriteFile(blocker + "other.CFA", "x");
        EXPECT_FALSE(records.ConfirmRecord(1));
        EXPECT_TRUE(Exists(Root() + Name + "/f.CFA"));
        EXPECT_TRUE(Exists(blocker));
        EXPECT_EQ(Exists(blocker + "other.CFA"), !empty);
        EXPECT_EQ(records.Visible[1].State, RecordState::Unprocessed);
        EXPECT_EQ(records.FindByName(Name)->State, RecordState::Unprocessed);
        EXPECT_EQ(records.SelectedIndex, 1);
        std::filesystem::remove_all(blocker);
    }
}

TEST_F(RecordDecisionsTest, AMissingSourceOrATargetThatIsAFileFails)
{
    WriteFile(dir.Path() + "!REJECTED", "not a directory");
    EXPECT_FALSE(records.RejectRecord(1));
    EXPECT_EQ(OnDisk(), RecordState::Unprocessed);
    std::filesystem::remove_all(Root() + Name);
    EXPECT_FALSE(records.ConfirmRecord(1));
    EXPECT_EQ(records.Visible[1].State, RecordState::Unprocessed);
}

TEST_F(RecordDecisionsTest, WithoutARowNothingHappens)
{
    EXPECT_TRUE(records.ConfirmRecord(-1));
    EXPECT_TRUE(records.RejectRecord(-1));
    EXPECT_FALSE(Exists(Confirmed()));
    EXPECT_THROW(records.ConfirmRecord(2), std::invalid_argument);
    records.SetFilter(1 | 2);  // nothing visible
    EXPECT_TRUE(records.ConfirmRecord(0));
    EXPECT_TRUE(records.RestoreRecord(5));
    EXPECT_EQ(OnDisk(), RecordState::Unprocessed);
}

TEST_F(RecordDecisionsTest, TheMovedRowIsUpdatedWhenTheNameLiesInTwoDirectories)
{
    const std::string twin = MakeRecordDirectory(Confirmed(), "2006-01-02T10:00:00");
    MakeRecordDirectory(Rejected(), "2006-01-02t10:00:00");
    records.Rescan();
    records.SetSortMode(RecordDirectory::SortByType);
    ASSERT_EQ(records.Visible.size(), 4u);
    ASSERT_EQ(records.Visible[3].State, RecordState::Rejected);
    ASSERT_TRUE(records.RestoreRecord(3));
    ASSERT_TRUE(Exists(Root() + "2006-01-02t10:00:00"));
    // AllRecords: the rejected row changed, the confirmed one with the same name ignoring case did not.
    int unprocessed = 0;
    for (const RecordEntry& row : records.AllRecords)
        unprocessed += row.State == RecordState::Unprocessed;
    EXPECT_EQ(unprocessed, 3);
    // The first row by that name is the confirmed twin, which did not move.
    EXPECT_EQ(records.FindByName("2006-01-02t10:00:00")->State, RecordState::Confirmed);
    std::vector<RecordEntry> confirmed;
    records.BuildList(confirmed, 1 | 2, 0, RecordDirectory::SortByTime);
    ASSERT_EQ(confirmed.size(), 1u);
    EXPECT_EQ(records.RecordPath(confirmed[0]), twin.substr(0, twin.size() - 1));
}

TEST(DirectoryMove, EnsureDirectoryCreatesOneLevel)
{
    TempDir dir;
    EXPECT_FALSE(EnsureDirectory(""));
    EXPECT_TRUE(EnsureDirectory(dir.Path() + "new"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() + "new"));
    EXPECT_TRUE(EnsureDirectory(dir.Path() + "new"));
    EXPECT_FALSE(EnsureDirectory(dir.Path() + "a/b"));
    WriteFile(dir.Path() + "file", "");
    EXPECT_TRUE(EnsureDirectory(dir.Path() + "file"));  // it exists, if not as a directory
}

}  // namespace
