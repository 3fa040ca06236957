#include "records/RecordDirectory.h"

#include "CfaFileWriter.h"
#include "RecordTreeWriter.h"
#include "RecordsTestHelpers.h"
#include "ScopedTimeZone.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <random>
#include <sys/stat.h>

using namespace recordstest;
using namespace testsupport;

namespace {

using Names = std::vector<std::string>;

class RecordDirectoryTest : public ::testing::Test {
protected:
    ScopedTimeZone zone{"UTC"};
    TempDir dir;
    std::string root = dir.Path();
    std::string confirmed = root + "!CONFIRMED/";
    std::string rejected = root + "!REJECTED/";
    RecordDirectory records;
};

TEST_F(RecordDirectoryTest, ScanFindsRecordDirectoriesAndSkipsEverythingElse)
{
    for (const char* name : {"2006-01-02 10:00:00", "2005-01-00 10:00:00", "2004-12-31 10:00:00",
                             "2006-01-02 10:00:0", "2006-ab-02 10:00:00"})
        MakeRecordDirectory(root, name);
    WriteFile(root + "2006-01-03 10:00:00", "a file");
    std::filesystem::create_directory_symlink(root + "2006-01-02 10:00:00", root + "2006-01-04 10:00:00");
    std::filesystem::create_directory_symlink(root + "nowhere", root + "2006-01-05 10:00:00");
    mkfifo((root + "2006-01-06 10:00:00").c_str(), 0600);
    MakeRecordDirectory(confirmed, "2006-02-02 10:00:00");
    WriteFile(root + "!REJECTED", "a file where a directory is expected");
    records.SetRoot(root.substr(0, root.size() - 1));
    EXPECT_EQ(records.Root, root);
    Names names = NamesOf(records.AllRecords);
    std::sort(names.begin(), names.end() - 1);  // the root's own order is the file system's
    EXPECT_EQ(names, (Names{"2005-01-00 10:00:00", "2006-01-02 10:00:00", "2006-02-02 10:00:00 C"}));
    EXPECT_EQ(NamesOf(records.Visible), names);
    EXPECT_EQ(records.SelectedIndex, -1);
    records.SetRoot(root + "missing/");
    EXPECT_TRUE(records.AllRecords.empty() && records.Visible.empty());
}

TEST_F(RecordDirectoryTest, FilterByStateAndLocalDay)
{
    ScopedTimeZone sofia("Europe/Sofia");  // +2: local dates differ from UTC ones before 02:00
    MakeRecordDirectory(root, "2006-01-02 00:30:00");
    MakeRecordDirectory(root, "2006-01-03 00:00:00");
    MakeRecordDirectory(confirmed, "2006-01-02 23:59:59");
    MakeRecordDirectory(rejected, "2006-01-02 12:00:00");
    MakeRecordDirectory(rejected, "2006-01-01 23:59:59");
    records.SetRoot(root);
    const struct {
        std::int32_t mask;
        Names visible;
    } cases[] = {
        {-1, {"2006-01-01 23:59:59 R", "2006-01-02 00:30:00", "2006-01-02 12:00:00 R", "2006-01-02 23:59:59 C",
              "2006-01-03 00:00:00"}},
        {1 | 8, {"2006-01-02 00:30:00", "2006-01-03 00:00:00"}},
        {1 | 4, {"2006-01-01 23:59:59 R", "2006-01-02 12:00:00 R"}},
        {2 | 4 | 8, {"2006-01-02 00:30:00", "2006-01-02 12:00:00 R", "2006-01-02 23:59:59 C"}},
        {4 | 8, {"2006-01-02 00:30:00", "2006-01-02 12:00:00 R"}},
    };
    for (const auto& c : cases) {
        records.SetFilter(c.mask, ParseRecordName("2006-01-02 08:30:00"));
        EXPECT_EQ(NamesOf(records.Visible), c.visible) << c.mask;
    }
    records.SetFilter(8, ParseRecordName("2006-01-03 23:00:00"));
    records.SetFilter(8);  // without a day the last one stays
    EXPECT_EQ(NamesOf(records.Visible), (Names{"2006-01-03 00:00:00"}));
}

TEST_F(RecordDirectoryTest, SortByTimeThenByTypeWithAndWithoutNoteCodes)
{
    for (const std::string& directory : {rejected, confirmed, root})
        MakeRecordDirectory(directory, "2006-01-02 10:00:00");
    WriteNoteFile(MakeRecordDirectory(root, "2006-01-01 00:00:00"), "5 wrong plate\n");
    WriteNoteFile(MakeRecordDirectory(root, "2006-01-03 00:00:00"), "nonsense");  // reads as code 0
    WriteNoteFile(MakeRecordDirectory(root, "2006-01-05 00:00:00"), "-2");
    WriteNoteFile(MakeRecordDirectory(confirmed, "2006-01-01 12:00:00"), "1");
    records.SetRoot(root);
    const struct {
        std::int32_t mode;
        bool notes;
        Names visible;
    } cases[] = {
        {0, true, {"2006-01-01 00:00:00", "2006-01-01 12:00:00 C", "2006-01-02 10:00:00", "2006-01-02 10:00:00 C",
                   "2006-01-02 10:00:00 R", "2006-01-03 00:00:00", "2006-01-05 00:00:00"}},
        {1, false, {"2006-01-01 00:00:00", "2006-01-02 10:00:00", "2006-01-03 00:00:00", "2006-01-05 00:00:00",
                    "2006-01-01 12:00:00 C", "2006-01-02 10:00:00 C", "2006-01-02 10:00:00 R"}},
        {1, true, {"2006-01-05 00:00:00", "2006-01-02 10:00:00", "2006-01-03 00:00:00", "2006-01-01 00:00:00",
                   "2006-01-02 10:00:00 C", "2006-01-01 12:00:00 C", "2006-01-02 10:00:00 R"}},
    };
    for (const auto& c : cases) {
        records.NoteOrdering = c.notes;
        records.SetSortMode(c.mode);
        EXPECT_EQ(NamesOf(records.Visible), c.visible) << c.mode << c.notes;
    }
}

// The order of inserting each row before the first one that must follow it.
std::vector<RecordEntry> InsertionOrder(const std::vector<RecordEntry>& rows, bool byType)
{
    std::vector<RecordEntry> list;
    for (const RecordEntry& row : rows) {
        auto place = list.begin();
        while (place != list.end() && !(byType && place->State != row.State ? place->State > row.State
                                                                           : place->Time > row.Time))
            ++place;
        list.insert(place, row);
    }
    return list;
}

TEST_F(RecordDirectoryTest, SortingGivesExactlyTheOrderOfInsertion)
{
    std::mt19937_64 random(7);
    const RecordState states[] = {RecordState::Unprocessed, RecordState::Confirmed, RecordState::Rejected};
    // Many ties, over a narrow span and over the whole 64-bit range.
    std::vector<RecordTime> narrow = {-20, -1, 0, 1, 7, 19};
    std::vector<RecordTime> wide = {std::numeric_limits<RecordTime>::min(), std::numeric_limits<RecordTime>::max(), 0};
    for (int i = 0; i < 30; ++i)
        wide.push_back(static_cast<RecordTime>(random()));
    for (const std::vector<RecordTime>* times : {&narrow, &wide}) {
        records.AllRecords.clear();
        for (int i = 0; i < 600; ++i)
            records.AllRecords.push_back({std::to_string(i), (*times)[random() % times->size()], states[random() % 3]});
        for (const bool byType : {false, true}) {
            std::vector<RecordEntry> list;
            records.BuildList(list, -1, 0, byType ? RecordDirectory::SortByType : RecordDirectory::SortByTime);
            EXPECT_EQ(NamesOf(list), NamesOf(InsertionOrder(records.AllRecords, byType))) << byType;
        }
    }
}

TEST_F(RecordDirectoryTest, RefilterKeepsTheSelectedRecordAndReloadsOnlyWhenItsIndexChanged)
{
    const std::string selected = MakeRecordDirectory(root, "2006-01-02T10:00:00");
    WriteCfaFile(selected + "f.CFA", CfaFile{});
    MakeRecordDirectory(root, "2006-01-03 10:00:00");
    MakeRecordDirectory(confirmed, "2006-01-01 10:00:00");
    records.SetRoot(root);
    records.Select(1);
    EXPECT_EQ(records.Content.Path, selected);
    EXPECT_EQ(records.FindByName("2006-01-02t10:00:00")->Name, "2006-01-02T10:00:00");
    EXPECT_EQ(records.FindByName("2006-01-04 10:00:00"), nullptr);
    const auto reloaded = [this] { return !records.Content.Frames[1].empty(); };
    records.Content.Frames[1].clear();
    records.Select(1);
    records.SetFilter(-1);  // same rows, same index
    EXPECT_FALSE(reloaded());
    records.SetFilter(1 | 8);  // the confirmed row goes: index 0 now
    EXPECT_EQ(records.SelectedIndex, 0);
    EXPECT_TRUE(reloaded());
    records.SetFilter(1 | 2);  // hidden: nothing selected, the content stays
    EXPECT_EQ(records.SelectedIndex, -1);
    EXPECT_EQ(records.Content.Path, selected);
    records.SetFilter(-1);
    EXPECT_EQ(records.SelectedIndex, -1);
    records.Select(3);
    EXPECT_EQ(records.SelectedIndex, -1);
}

}  // namespace
