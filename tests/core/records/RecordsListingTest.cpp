#include "records/RecordsListing.h"

#include "config/CCodeNoteMap.h"

#include "RecordsTestHelpers.h"

#include <limits>

using namespace recordstest;
using namespace testsupport;

namespace {

using RecordsListingTest = RecordTreeTest;

TEST_F(RecordsListingTest, LegendThenEachSectionInTimeOrderWithNotesWhateverThePaneShows)
{
    const std::string listing = root + "list.txt";
    CCodeNoteMap codeNotes;
    const auto Sections = [this](const std::string& unprocessed, const std::string& confirmed, const char* rejected) {
        return "\n" + root + "\n\n" + unprocessed + "\n" + root + "!CONFIRMED\n\n" + confirmed + "\n" + root +
               "!REJECTED\n\n" + rejected;
    };
    // No records: the three headers alone. A name without a full stop gets ".txt".
    records.SetRoot(root);
    ASSERT_TRUE(WriteRecordsListing(records, codeNotes, root + "list"));
    EXPECT_EQ(ReadFile(listing), Sections("", "", ""));
    EXPECT_EQ(ListingPath("/home/o.fficer/list"), "/home/o.fficer/list");
    EXPECT_FALSE(WriteRecordsListing(records, codeNotes, root + "missing/list.txt") || Exists(root + "missing"));
    codeNotes.SetNote(3, "wrong plate");
    codeNotes.SetNote(2, "");
    codeNotes.SetNote(1, "ok");
    WriteNoteFile(MakeRecordDirectory(root, "2006-01-03 10:00:00"), "4");
    WriteNoteFile(MakeRecordDirectory(root, "2006-01-02 10:00:00"), "7 Wrong plate\n");
    WriteNoteFile(MakeRecordDirectory(root, "2006-01-05 10:00:00"), "broken");
    MakeRecordDirectory(root, "2006-02-01 08:00:00");
    WriteNoteFile(MakeRecordDirectory(rejected, "2006-03-02 09:00:00"), "1 x");
    MakeRecordDirectory(rejected, "2006-03-01 09:00:00");
    records.SetRoot(root);
    ASSERT_TRUE(records.ConfirmRecord(3));  // the last scan with the decisions made since
    MakeRecordDirectory(root, "2006-01-09 10:00:00");
    records.AllRecords.push_back({"2006-01-04 10:00:00", std::numeric_limits<RecordTime>::max()});
    // The pane shows other rows in its own order: by state, note code (malformed reads as 0) and time.
    records.NoteOrdering = true;
    records.SetFilter(1 | 2 | 8);
    records.SetSortMode(RecordDirectory::SortByType);
    const Names shown = {"2006-01-05 10:00:00", "2006-01-04 10:00:00", "2006-01-03 10:00:00", "2006-01-02 10:00:00",
                         "2006-02-01 08:00:00 C"};
    EXPECT_EQ(NamesOf(records.Visible), shown);
    ASSERT_TRUE(WriteRecordsListing(records, codeNotes, listing));
    EXPECT_EQ(ReadFile(listing), "3\twrong plate\n1\tok\n" +
                                     Sections("0\t2006-01-02 10:00:00\tMon Jan  2 10:00:00 2006\t7\tWrong plate\n"
                                              "1\t2006-01-03 10:00:00\tTue Jan  3 10:00:00 2006\t4\n"
                                              "2\t2006-01-05 10:00:00\tThu Jan  5 10:00:00 2006\n"
                                              "3\t2006-01-04 10:00:00\tInvalid DateTime\n",
                                              "0\t2006-02-01 08:00:00\tWed Feb  1 08:00:00 2006\n",
                                              "0\t2006-03-01 09:00:00\tWed Mar  1 09:00:00 2006\n"
                                              "1\t2006-03-02 09:00:00\tThu Mar  2 09:00:00 2006\t1\tx\n"));
    EXPECT_EQ(NamesOf(records.Visible), shown);
}

}  // namespace
