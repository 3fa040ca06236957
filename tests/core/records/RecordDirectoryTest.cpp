#include "records/RecordDirectory.h"

#include "CfaFileWriter.h"
#include "RecordTreeWriter.h"
#include "ScopedTimeZone.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace testsupport;

namespace {

using Names = std::vector<std::string>;

Names NamesOf(const std::vector<RecordEntry>& rows)
{
    Names names;
    for (const RecordEntry& row : rows)
        names.push_back(row.Name + (row.State == RecordState::Confirmed  ? " C"
                                    : row.State == RecordState::Rejected ? " R"
                                                                         : ""));
    return names;
}

Names Sorted(Names names)
{
    std::sort(names.begin(), names.end());
    return names;
}

class RecordDirectoryTest : public ::testing::Test {
protected:
    ScopedTimeZone zone{"UTC"};
    TempDir dir;
    RecordDirectory records;

    std::string Root() const { return dir.Path(); }
    std::string Confirmed() const { return dir.Path() + "!CONFIRMED/"; }
    std::string Rejected() const { return dir.Path() + "!REJECTED/"; }
    void Note(const std::string& directory, const std::string& name, const std::string& bytes)
    {
        WriteNoteFile(directory + name + "/", bytes);
    }
};

TEST_F(RecordDirectoryTest, ScanFindsRecordDirectoriesAndSkipsEverythingElse)
{
    MakeRecordDirectory(Root(), "2006-01-02 10:00:00");
    MakeRecordDirectory(Root(), "2005-01-00 10:00:00");
    MakeRecordDirectory(Root(), "2004-12-31 10:00:00");  // before 2005
    MakeRecordDirectory(Root(), "2006-01-02 10:00:0");
    MakeRecordDirectory(Root(), "2006-ab-02 10:00:00");
    MakeRecordDirectory(Root(), "2006-01-02 25:00:00");
    WriteFile(Root() + "2006-01-03 10:00:00", "a file, not a directory");
    std::filesystem::create_directory_symlink(Root() + "2006-01-02 10:00:00", Root() + "2006-01-04 10:00:00");
    std::filesystem::create_directory_symlink(Root() + "nowhere", Root() + "2006-01-05 10:00:00");
    mkfifo((Root() + "2006-01-06 10:00:00").c_str(), 0600);
    MakeRecordDirectory(Confirmed(), "2006-02-02 10:00:00");
    MakeRecordDirectory(Confirmed(), "not a record");
    WriteFile(dir.Path() + "!REJECTED", "a file where a directory is expected");
    records.SetRoot(Root());
    EXPECT_EQ(Sorted(NamesOf(records.AllRecords)),
              (Names{"2005-01-00 10:00:00", "2006-01-02 10:00:00", "2006-02-02 10:00:00 C"}));
    EXPECT_EQ(NamesOf(records.Visible), (Names{"2005-01-00 10:00:00", "2006-01-02 10:00:00", "2006-02-02 10:00:00 C"}));
    EXPECT_EQ(records.SelectedIndex, -1);
}

TEST_F(RecordDirectoryTest, RootGetsATrailingSeparatorAndAMissingRootHasNoRecords)
{
    MakeRecordDirectory(Root(), "2006-01-02 10:00:00");
    records.SetRoot(dir.Path().substr(0, dir.Path().size() - 1));
    EXPECT_EQ(records.Root, Root());
    EXPECT_EQ(records.AllRecords.size(), 1u);
    records.SetRoot(Root());
    EXPECT_EQ(records.Root, Root());
    records.SetRoot(Root() + "missing");
    EXPECT_TRUE(records.AllRecords.empty() && records.Visible.empty());
}

TEST_F(RecordDirectoryTest, AnUnreadableDirectoryContributesNothing)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    MakeRecordDirectory(Root(), "2006-01-02 10:00:00");
    MakeRecordDirectory(Confirmed(), "2006-01-03 10:00:00");
    chmod(Confirmed().c_str(), 0);
    records.SetRoot(Root());
    EXPECT_EQ(NamesOf(records.AllRecords), (Names{"2006-01-02 10:00:00"}));
}

TEST_F(RecordDirectoryTest, FilterByStateAndDay)
{
    MakeRecordDirectory(Root(), "2006-01-02 00:00:00");
    MakeRecordDirectory(Root(), "2006-01-03 00:00:00");
    MakeRecordDirectory(Confirmed(), "2006-01-02 23:59:59");
    MakeRecordDirectory(Rejected(), "2006-01-02 12:00:00");
    MakeRecordDirectory(Rejected(), "2006-01-01 23:59:59");
    records.SetRoot(Root());
    const RecordTime secondOfJanuary = ParseRecordName("2006-01-02 08:30:00").value();
    const struct {
        std::int32_t mask;
        Names visible;
    } cases[] = {
        {-1, {"2006-01-01 23:59:59 R", "2006-01-02 00:00:00", "2006-01-02 12:00:00 R", "2006-01-02 23:59:59 C",
              "2006-01-03 00:00:00"}},
        {1 | 8, {"2006-01-02 00:00:00", "2006-01-03 00:00:00"}},
        {1 | 2, {"2006-01-02 23:59:59 C"}},
        {1 | 4, {"2006-01-01 23:59:59 R", "2006-01-02 12:00:00 R"}},
        {1, {}},
        {2 | 4 | 8, {"2006-01-02 00:00:00", "2006-01-02 12:00:00 R", "2006-01-02 23:59:59 C"}},
        {4 | 8, {"2006-01-02 00:00:00", "2006-01-02 12:00:00 R"}},
    };
    for (const auto& c : cases) {
        records.SetFilter(c.mask, secondOfJanuary);
        EXPECT_EQ(NamesOf(records.Visible), c.visible) << c.mask;
    }
    records.SetFilter(2 | 4 | 8, ParseRecordName("2006-01-03 23:00:00").value());
    EXPECT_EQ(NamesOf(records.Visible), (Names{"2006-01-03 00:00:00"}));
    records.SetFilter(2 | 4 | 8);  // without a day the last one stays
    EXPECT_EQ(NamesOf(records.Visible), (Names{"2006-01-03 00:00:00"}));
}

TEST_F(RecordDirectoryTest, DayFilterComparesLocalDates)
{
    ScopedTimeZone sofia("Europe/Sofia");
    MakeRecordDirectory(Root(), "2006-01-02 00:30:00");  // 2006-01-01 22:30 UTC
    MakeRecordDirectory(Root(), "2006-01-01 23:30:00");
    records.SetRoot(Root());
    records.SetFilter(2 | 4 | 8, ParseRecordName("2006-01-02 12:00:00").value());
    EXPECT_EQ(NamesOf(records.Visible), (Names{"2006-01-02 00:30:00"}));
}

TEST_F(RecordDirectoryTest, EqualTimesKeepScanOrderRootThenConfirmedThenRejected)
{
    for (const std::string& directory : {Rejected(), Confirmed(), Root()})
        MakeRecordDirectory(directory, "2006-01-02 10:00:00");
    MakeRecordDirectory(Root(), "2006-01-02 09:00:00");
    records.SetRoot(Root());
    EXPECT_EQ(NamesOf(records.Visible), (Names{"2006-01-02 09:00:00", "2006-01-02 10:00:00",
                                               "2006-01-02 10:00:00 C", "2006-01-02 10:00:00 R"}));
}

TEST_F(RecordDirectoryTest, SortByTypeGroupsByStateThenNoteCodeThenTime)
{
    MakeRecordDirectory(Root(), "2006-01-04 00:00:00");
    MakeRecordDirectory(Root(), "2006-01-03 00:00:00");
    MakeRecordDirectory(Root(), "2006-01-02 00:00:00");
    MakeRecordDirectory(Root(), "2006-01-01 00:00:00");
    MakeRecordDirectory(Root(), "2006-01-05 00:00:00");
    MakeRecordDirectory(Confirmed(), "2006-01-01 12:00:00");
    MakeRecordDirectory(Rejected(), "2005-06-01 00:00:00");
    Note(Root(), "2006-01-01 00:00:00", "5 wrong plate\n");
    Note(Root(), "2006-01-02 00:00:00", "0");
    Note(Root(), "2006-01-03 00:00:00", "nonsense");  // reads as code 0
    Note(Root(), "2006-01-05 00:00:00", "-2");
    records.SetRoot(Root());
    records.SetSortMode(RecordDirectory::SortByType);
    EXPECT_EQ(NamesOf(records.Visible), (Names{"2006-01-01 00:00:00", "2006-01-02 00:00:00", "2006-01-03 00:00:00",
                                               "2006-01-04 00:00:00", "2006-01-05 00:00:00",
                                               "2006-01-01 12:00:00 C", "2005-06-01 00:00:00 R"}));
    records.NoteOrdering = true;
    records.SetSortMode(RecordDirectory::SortByType);
    EXPECT_EQ(NamesOf(records.Visible), (Names{"2006-01-05 00:00:00", "2006-01-02 00:00:00", "2006-01-03 00:00:00",
                                               "2006-01-04 00:00:00", "2006-01-01 00:00:00",
                                               "2006-01-01 12:00:00 C", "2005-06-01 00:00:00 R"}));
    records.SetSortMode(RecordDirectory::SortByTime);  // notes never order a sort by time
    EXPECT_EQ(records.Visible.front().Name, "2005-06-01 00:00:00");
    EXPECT_EQ(records.Visible.back().Name, "2006-01-05 00:00:00");
}

// The order of inserting each row before the first one that must follow it,
// as the records pane has always shown it.
std::vector<RecordEntry> InsertionOrder(const std::vector<RecordEntry>& rows, bool byType)
{
    std::vector<RecordEntry> list;
    for (const RecordEntry& row : rows) {
        auto place = list.begin();
        while (place != list.end()) {
            if (byType && place->State != row.State) {
                if (place->State > row.State)
                    break;
            } else if (place->Time > row.Time) {
                break;
            }
            ++place;
        }
        list.insert(place, row);
    }
    return list;
}

TEST_F(RecordDirectoryTest, SortingGivesExactlyTheOrderOfInsertion)
{
    std::mt19937_64 random(7);
    const RecordState states[] = {RecordState::Unprocessed, RecordState::Confirmed, RecordState::Rejected};
    // Many ties, and times over a narrow span and over the whole 64-bit range.
    std::vector<RecordTime> narrow = {-20, -1, 0, 1, 7, 19};
    std::vector<RecordTime> wide = {std::numeric_limits<RecordTime>::min(), std::numeric_limits<RecordTime>::max(), 0};
    for (int i = 0; i < 30; ++i)
        wide.push_back(static_cast<RecordTime>(random()));
    for (const std::vector<RecordTime>* times : {&narrow, &wide}) {
        records.AllRecords.clear();
        for (int i = 0; i < 600; ++i) {
            records.AllRecords.push_back(RecordEntry{"row " + std::to_string(i), (*times)[random() % times->size()],
                                                     states[random() % 3]});
        }
        for (const bool byType : {false, true}) {
            std::vector<RecordEntry> list;
            records.BuildList(list, -1, 0, byType ? RecordDirectory::SortByType : RecordDirectory::SortByTime);
            EXPECT_EQ(NamesOf(list), NamesOf(InsertionOrder(records.AllRecords, byType))) << byType;
        }
    }
}

TEST_F(RecordDirectoryTest, RefilterKeepsTheSelectedRecordAndReloadsOnlyWhenItsIndexChanged)
{
    const std::string selected = MakeRecordDirectory(Root(), "2006-01-02 10:00:00");
    WriteCfaFile(selected + "f.CFA", CfaFile{});
    MakeRecordDirectory(Root(), "2006-01-03 10:00:00");
    MakeRecordDirectory(Confirmed(), "2006-01-01 10:00:00");
    records.SetRoot(Root());
    records.Select(1);
    ASSERT_EQ(records.Visible[1].Name, "2006-01-02 10:00:00");
    EXPECT_EQ(records.Content.Path, selected);
    EXPECT_EQ(records.Content.Frames[1].size(), 1u);

    records.Content.Frames[1].clear();  // a reload would bring the frame back
    records.Select(1);
    EXPECT_TRUE(records.Content.Frames[1].empty());
    records.SetFilter(-1);  // same rows, same index
    EXPECT_TRUE(records.Content.Frames[1].empty());
    records.SetFilter(1 | 8);  // the confirmed row goes: index 0 now
    EXPECT_EQ(records.SelectedIndex, 0);
    EXPECT_EQ(records.Content.Frames[1].size(), 1u);
    records.SetFilter(1 | 2);  // hidden: nothing selected, the content stays
    EXPECT_EQ(records.SelectedIndex, -1);
    EXPECT_EQ(records.Content.Path, selected);
    records.SetFilter(-1);  // back in view, but nothing was remembered
    EXPECT_EQ(records.SelectedIndex, -1);
}

TEST_F(RecordDirectoryTest, SelectOutsideTheListSelectsNothing)
{
    MakeRecordDirectory(Root(), "2006-01-02 10:00:00");
    records.SetRoot(Root());
    for (const int index : {1, -1, -7, 0}) {
        records.Select(index);
        EXPECT_EQ(records.SelectedIndex, index == 0 ? 0 : -1) << index;
    }
    records.Rescan();
    EXPECT_EQ(records.SelectedIndex, -1);
}

TEST_F(RecordDirectoryTest, PathsByStateAndLookupByNameIgnoringCase)
{
    MakeRecordDirectory(Root(), "2006-01-02T10:00:00");
    MakeRecordDirectory(Rejected(), "2006-01-03t10:00:00");
    records.ConfirmedDirectory = "ok";
    MakeRecordDirectory(dir.Path() + "ok/", "2006-01-04 10:00:00");
    records.SetRoot(Root());
    const RecordEntry* row = records.FindByName("2006-01-02t10:00:00");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->Name, "2006-01-02T10:00:00");
    EXPECT_EQ(records.RecordPath(*row), Root() + "2006-01-02T10:00:00");
    EXPECT_EQ(records.RecordPath(*records.FindByName("2006-01-03T10:00:00")), Rejected() + "2006-01-03t10:00:00");
    EXPECT_EQ(records.RecordPath(*records.FindByName("2006-01-04 10:00:00")), Root() + "ok/2006-01-04 10:00:00");
    EXPECT_EQ(records.FindByName("2006-01-05 10:00:00"), nullptr);
}

}  // namespace
