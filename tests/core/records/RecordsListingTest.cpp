#include "records/RecordsListing.h"

#include "config/CCodeNoteMap.h"
#include "records/RecordDirectory.h"

#include "RecordTreeWriter.h"
#include "ScopedTimeZone.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <limits>

using namespace testsupport;

namespace {

class RecordsListingTest : public ::testing::Test {
protected:
    ScopedTimeZone zone{"UTC"};
    TempDir dir;
    std::string root = dir.MakeDir("records");
    std::string listing = dir.Path() + "list.txt";
    RecordDirectory records;
    CCodeNoteMap codeNotes;

    std::string Sections(const std::string& unprocessed, const std::string& confirmed, const std::string& rejected) const
    {
        return "\n" + root + "\n\n" + unprocessed + "\n" + root + "!CONFIRMED\n\n" + confirmed + "\n" + root +
               "!REJECTED\n\n" + rejected;
    }
};

TEST_F(RecordsListingTest, LegendThenEachSectionInTimeOrderWithNotes)
{
    codeNotes.SetNote(3, "wrong plate");
    codeNotes.SetNote(2, "");
    codeNotes.SetNote(1, "ok");
    WriteNoteFile(MakeRecordDirectory(root, "2006-01-03 10:00:00"), "4");
    WriteNoteFile(MakeRecordDirectory(root, "2006-01-02 10:00:00"), "7 Wrong plate\n");
    WriteNoteFile(MakeRecordDirectory(root, "2006-01-05 10:00:00"), "broken");
    MakeRecordDirectory(root + "!CONFIRMED/", "2006-02-01 08:00:00");
    WriteNoteFile(MakeRecordDirectory(root + "!REJECTED/", "2006-03-02 09:00:00"), "1 x");
    MakeRecordDirectory(root + "!REJECTED/", "2006-03-01 09:00:00");
    records.SetRoot(root);
    records.SetFilter(1 | 2);  // the pane's filter and sort do not matter
    records.SetSortMode(RecordDirectory::SortByType);
    ASSERT_TRUE(WriteRecordsListing(records, codeNotes, listing));
    EXPECT_EQ(ReadFile(listing), "3\twrong plate\n1\tok\n" +
                                     Sections("0\t2006-01-02 10:00:00\tMon Jan  2 10:00:00 2006\t7\tWrong plate\n"
                                              "1\t2006-01-03 10:00:00\tTue Jan  3 10:00:00 2006\t4\n"
                                              "2\t2006-01-05 10:00:00\tThu Jan  5 10:00:00 2006\n",
                                              "0\t2006-02-01 08:00:00\tWed Feb  1 08:00:00 2006\n",
                                              "0\t2006-03-01 09:00:00\tWed Mar  1 09:00:00 2006\n"
                                              "1\t2006-03-02 09:00:00\tThu Mar  2 09:00:00 2006\t1\tx\n"));
    EXPECT_EQ(records.Visible.size(), 1u);
}

TEST_F(RecordsListingTest, ListsTheLastScanWithTheDecisionsMadeSince)
{
    MakeRecordDirectory(root, "2006-01-02 10:00:00");
    records.SetRoot(root);
    ASSERT_TRUE(records.ConfirmRecord(0));
    MakeRecordDirectory(root, "2006-01-09 10:00:00");  // not scanned yet
    records.AllRecords.push_back({"2006-01-03 10:00:00", std::numeric_limits<RecordTime>::max()});
    WriteFile(listing, "old listing");
    ASSERT_TRUE(WriteRecordsListing(records, codeNotes, listing));
    EXPECT_EQ(ReadFile(listing), Sections("0\t2006-01-03 10:00:00\tInvalid DateTime\n",
                                          "0\t2006-01-02 10:00:00\tMon Jan  2 10:00:00 2006\n", ""));
}

TEST_F(RecordsListingTest, ANameWithoutFullStopGetsTxtAndAFileThatCannotBeMadeFails)
{
    EXPECT_EQ(ListingPath("/home/officer/list"), "/home/officer/list.txt");
    EXPECT_EQ(ListingPath("/home/officer/list.csv"), "/home/officer/list.csv");
    EXPECT_EQ(ListingPath("/home/o.fficer/list"), "/home/o.fficer/list");
    records.SetRoot(root);
    ASSERT_TRUE(WriteRecordsListing(records, codeNotes, dir.Path() + "list"));
    EXPECT_EQ(ReadFile(dir.Path() + "list.txt"), Sections("", "", ""));
    EXPECT_FALSE(WriteRecordsListing(records, codeNotes, dir.Path() + "missing/list.txt"));
    EXPECT_FALSE(Exists(dir.Path() + "missing"));
}

}  // namespace
