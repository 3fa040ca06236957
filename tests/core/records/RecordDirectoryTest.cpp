#include "records/RecordDirectory.h"

#include "config/CVantrelSettings.h"

#include "CfaFileWriter.h"
#include "RecordsTestHelpers.h"

#include <filesystem>
#include <limits>
#include <random>
#include <tuple>
#include <sys/stat.h>

using namespace recordstest;
using namespace testsupport;

namespace {

using RecordDirectoryTest = RecordTreeTest;

TEST_F(RecordDirectoryTest, ScanFindsTheRecordDirectoriesAndFiltersThemByStateAndLocalDay)
{
    ScopedTimeZone sofia("Europe/Sofia");  // +2: local dates differ from UTC ones before 02:00
    for (const auto& [directory, name] :
         {std::pair{root, "2006-01-02 00:30:00"}, {root, "2006-01-03 00:00:00"}, {confirmed, "2006-01-02 23:59:59"},
          {rejected, "2006-01-02 12:00:00"}, {rejected, "2006-01-01 23:59:59"}, {root, "2006-ab-02 10:00:00"},
          // The same day of another month, and the same day and month of another year.
          {root, "2006-02-02 10:00:00"}, {root, "2007-01-02 10:00:00"}})
        MakeRecordDirectory(directory, name);
    WriteFile(root + "2006-01-04 10:00:00", "a file");
    std::filesystem::create_directory_symlink(root + "2006-01-03 00:00:00", root + "2006-01-05 10:00:00");
    std::filesystem::create_directory_symlink(root + "nowhere", root + "2006-01-06 10:00:00");
    mkfifo((root + "2006-01-07 10:00:00").c_str(), 0600);
    records.SetRoot(root.substr(0, root.size() - 1));
    EXPECT_TRUE(records.Root == root && records.SelectedIndex == -1);
    for (const auto& [mask, visible] : std::vector<std::pair<std::int32_t, Names>>{
         {-1, {"2006-01-01 23:59:59 R", "2006-01-02 00:30:00", "2006-01-02 12:00:00 R", "2006-01-02 23:59:59 C",
               "2006-01-03 00:00:00", "2006-02-02 10:00:00", "2007-01-02 10:00:00"}},
         {1 | 4, {"2006-01-01 23:59:59 R", "2006-01-02 12:00:00 R"}},
         {2 | 4 | 8, {"2006-01-02 00:30:00", "2006-01-02 12:00:00 R", "2006-01-02 23:59:59 C"}}}) {
        records.SetFilter(mask, ParseRecordName("2006-01-02 08:30:00"));
        EXPECT_EQ(NamesOf(records.Visible), visible) << mask;
    }
    records.SetFilter(8, ParseRecordName("2006-01-03 23:00:00"));
    records.SetFilter(8);  // without a day the last one stays
    EXPECT_EQ(NamesOf(records.Visible), (Names{"2006-01-03 00:00:00"}));
    records.SetRoot(root + "missing/");
    EXPECT_TRUE(records.AllRecords.empty() && records.Visible.empty());
}

// The settings keep the root as written, whatever it ends in; the store adds
// the separator, and an empty root is the working directory.
TEST_F(RecordDirectoryTest, TheConfiguredRootIsWrittenBackAsItStandsAndScannedWithASeparator)
{
    const std::string bare = root.substr(0, root.size() - 1);
    for (const auto& [configured, storeRoot] :
         {std::pair{bare, root}, {root, root}, {std::string(), std::string("./")}}) {
        SCOPED_TRACE(configured);
        CVantrelSettings written, loaded;
        written.RootDirectory = configured;
        ASSERT_EQ(written.SaveSettings(dir.Path() + "first.settings"), 1);
        ASSERT_EQ(loaded.LoadSettings(dir.Path() + "first.settings"), 1);
        ASSERT_EQ(loaded.SaveSettings(dir.Path() + "again.settings"), 1);
        EXPECT_EQ(ReadFile(dir.Path() + "again.settings"), ReadFile(dir.Path() + "first.settings"));
        EXPECT_EQ(loaded.RootDirectory, configured);
        records.SetRoot(loaded.RootDirectory);
        EXPECT_EQ(records.Root, storeRoot);
    }
}

// Each row inserted before the first one that must follow it, so equal rows keep scan order.
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

// Visible: a confirmed record, then the selected record Name with a lane frame and a note, then another.
class RecordRowTest : public RecordTreeTest {
protected:
    static constexpr const char* Name = "2006-01-02 10:00:00";
    std::string note = root + Name + "/PrivateNote.txt";

    void SetUp() override
    {
        WriteCfaFile(MakeRecordDirectory(root, Name) + "f.CFA", CfaFile{});
        WriteFile(note, "3 keep");
        MakeRecordDirectory(confirmed, "2006-01-01 10:00:00");
        MakeRecordDirectory(root, "2006-01-03 10:00:00");
        records.SetRoot(root);
        records.Select(1);
    }
};

TEST_F(RecordRowTest, RefilterKeepsTheSelectedRecordAndReloadsOnlyWhenItsIndexChanged)
{
    const auto reloaded = [this] { return !records.Content.Frames[1].empty(); };
    EXPECT_TRUE(records.Content.Path == root + Name + "/" && reloaded());
    records.Content.Frames[1].clear();
    records.SetFilter(-1);  // same rows, same index
    EXPECT_FALSE(reloaded());
    records.SetFilter(1 | 8);  // the confirmed row goes: index 0 now
    EXPECT_TRUE(records.SelectedIndex == 0 && reloaded());
    records.SetFilter(1 | 2);  // hidden: nothing selected, the content stays
    EXPECT_TRUE(records.SelectedIndex == -1 && records.Content.Path == root + Name + "/");
    records.SetFilter(-1);
    records.Select(3);
    EXPECT_EQ(records.SelectedIndex, -1);
}

TEST_F(RecordRowTest, EachDecisionMovesTheRecordAndKeepsItsRowSelected)
{
    EXPECT_TRUE(records.RejectRecord(-1) && !Exists(rejected));  // no row: nothing happens
    EXPECT_THROW(records.ConfirmRecord(3), std::invalid_argument);
    // Confirm creating the directory, again (nothing to do), take it back, reject from confirmed, and so on.
    for (const char step : std::string("CCUURCRU")) {
        SCOPED_TRACE(step);
        const RecordState after = step == 'C' ? RecordState::Confirmed : step == 'R' ? RecordState::Rejected
                                                                                     : RecordState::Unprocessed;
        ASSERT_TRUE(step == 'C' ? records.ConfirmRecord(1) : step == 'R' ? records.RejectRecord(1)
                                                                         : records.RestoreRecord(1));
        EXPECT_EQ(Exists(root + Name) + Exists(confirmed + Name) + Exists(rejected + Name), 1);
        EXPECT_TRUE(records.Visible[1].State == after && records.FindByName(Name)->State == after);
        EXPECT_EQ(records.SelectedIndex, 1);
        // Reloaded from the new place, with the note that travelled along.
        const std::string path = records.RecordPath(records.Visible[1]) + "/";
        EXPECT_EQ(records.Content.Path + std::to_string(records.Content.Frames[1].size()), path + "1");
        PrivateNote kept;
        EXPECT_TRUE(records.ReadNote(1, kept) && kept.NoteText == "keep");
    }
}

TEST_F(RecordRowTest, AMoveOntoAnExistingNameFailsAndLeavesBothDirectories)
{
    // Even an empty directory of that name blocks the move; a plain rename would replace it.
    const std::string blocker = MakeRecordDirectory(confirmed, Name);
    EXPECT_FALSE(records.ConfirmRecord(1));
    EXPECT_TRUE(Exists(root + Name + "/f.CFA") && Exists(blocker));
    WriteFile(root + "!REJECTED", "not a directory");
    EXPECT_FALSE(records.RejectRecord(1));
    std::filesystem::remove_all(root + Name);
    EXPECT_FALSE(records.ConfirmRecord(1));  // the source is gone
    EXPECT_TRUE(records.Visible[1].State == RecordState::Unprocessed &&
                records.FindByName(Name)->State == RecordState::Unprocessed);
    records.SetFilter(1 | 4);  // nothing visible
    EXPECT_TRUE(records.RejectRecord(0));
}

TEST_F(RecordRowTest, TheRowThatMovedIsUpdatedWhenItsNameLiesInTwoDirectories)
{
    MakeRecordDirectory(confirmed, "2006-01-02T10:00:00");
    MakeRecordDirectory(rejected, "2006-01-02t10:00:00");
    records.SortMode = RecordDirectory::SortByType;
    records.Rescan();
    ASSERT_TRUE(records.RestoreRecord(4));
    records.SetSortMode(RecordDirectory::SortByTime);
    EXPECT_EQ(NamesOf(records.Visible), (Names{"2006-01-01 10:00:00 C", Name, "2006-01-02T10:00:00 C",
                                               "2006-01-02t10:00:00", "2006-01-03 10:00:00"}));
    EXPECT_EQ(records.FindByName("2006-01-02t10:00:00")->Name, "2006-01-02T10:00:00");  // the first, ignoring case
}

TEST_F(RecordRowTest, NoteFilesAreReadInEveryFormTheyCome)
{
    const struct {
        std::string bytes;
        std::int32_t code;
        std::string text;
        bool read = true;
    } cases[] = {
        {"7", 7, ""}, {"7 Wrong plate\r\n", 7, "Wrong plate"}, {"  \n 12\t  two\tparts \nsecond line", 12, "twoparts "},
        {"-3 minus", -3, "minus"}, {"5   \nnext line", 5, ""}, {"99999999999 big", 2147483647, "big"},
        {"2 caf\xC3\xA9 \xFF end", 2, "caf\xC3\xA9 \xFF end"},  // 0xFF is text, not the end
        {std::string("6 a\x01\x1F\x7F" "b\0c", 10), 6, "abc"},
        {"", 0, "", false}, {"Wrong plate", 0, "", false}, {"- 5", 0, "", false},
        // Longer than any block the reader takes at once.
        {std::string(5000, '\n') + "8 " + std::string(9000, 'x') + "\nmore", 8, std::string(9000, 'x')},
    };
    for (const auto& c : cases) {
        WriteFile(note, c.bytes);
        PrivateNote read{11, "stale"};
        EXPECT_EQ(records.ReadNote(1, read), c.read) << c.bytes;
        EXPECT_EQ(std::to_string(read.NoteCode) + "|" + read.NoteText, std::to_string(c.code) + "|" + c.text)
            << c.bytes;
    }
    PrivateNote read{4, "old"};
    EXPECT_FALSE(records.ReadNote(3, read) || read.NoteCode != 0);  // no such row
    // A pipe or a directory in the note's place is no note; a pipe must not block the read.
    for (const bool pipe : {true, false}) {
        std::filesystem::remove(note);
        ASSERT_EQ(pipe ? mkfifo(note.c_str(), 0600) : mkdir(note.c_str(), 0700), 0);
        EXPECT_FALSE(records.ReadNote(1, read) || read.NoteCode != 0) << pipe;
    }
    std::filesystem::remove(note);
    WriteFile(note, "1");
    EXPECT_TRUE(records.DeleteNote(1));
    EXPECT_FALSE(Exists(note) || records.ReadNote(1, read) || records.DeleteNote(1));
    EXPECT_THROW(records.DeleteNote(-1), std::invalid_argument);
}

TEST_F(RecordRowTest, NoteFilesAreWrittenWithTheCodeAndOnlyANonEmptyTextWithoutControlCharacters)
{
    for (const auto& [code, text, bytes] : std::vector<std::tuple<std::int32_t, std::string, std::string>>{
         {3, "check", "3 check\n"}, {4, "", "4"}, {-12, "caf\xC3\xA9 \xFF", "-12 caf\xC3\xA9 \xFF\n"}, {5, "\r\n", "5"},
         {2, "two\nlines\tand tab", "2 twolinesand tab\n"}}) {  // a line end would cut it short when read
        ASSERT_TRUE(records.WriteNote(1, code, text));
        EXPECT_EQ(ReadFile(note), bytes);
    }
    EXPECT_THROW(records.WriteNote(3, 1, ""), std::invalid_argument);
    std::filesystem::remove_all(root + Name);  // the record went away behind the list's back
    EXPECT_FALSE(records.WriteNote(1, 1, "lost"));
    EXPECT_FALSE(Exists(root + Name));
}

}  // namespace
