#include "records/RecordDirectory.h"

#include "RecordTreeWriter.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace testsupport;

namespace {

class PrivateNoteTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string record = MakeRecordDirectory(dir.Path(), "2006-01-02 10:00:00");
    std::string file = record + "PrivateNote.txt";
    RecordDirectory records;

    void SetUp() override { records.SetRoot(dir.Path()); }
};

TEST_F(PrivateNoteTest, ReadsEveryFormItMeets)
{
    const struct {
        std::string bytes;
        bool read;
        std::int32_t code;
        std::string text;
    } cases[] = {
        {"7", true, 7, ""},
        {"7 Wrong plate\r\n", true, 7, "Wrong plate"},
        {"  \n 12\t  two\tparts \nsecond line", true, 12, "twoparts "},
        {"-3 minus", true, -3, "minus"},
        {"5   \nnext line", true, 5, ""},
        {"2 caf\xC3\xA9 \xFF end", true, 2, "caf\xC3\xA9 \xFF end"},  // 0xFF is text, not the end
        {std::string("6 a\x01\x1F\x7F" "b\0c", 10), true, 6, "abc"},
        {"99999999999 big", true, 2147483647, "big"},
        {"", false, 0, ""},
        {"Wrong plate", false, 0, ""},
        {"- 5", false, 0, ""},
    };
    for (const auto& c : cases) {
        WriteFile(file, c.bytes);
        PrivateNote note{11, "stale"};
        EXPECT_EQ(records.ReadNote(0, note), c.read) << c.bytes;
        EXPECT_EQ(note.NoteCode, c.code) << c.bytes;
        EXPECT_EQ(note.NoteText, c.text) << c.bytes;
    }
    PrivateNote note{4, "old"};
    EXPECT_FALSE(records.ReadNote(1, note));  // no such row
    EXPECT_EQ(note.NoteCode, 0);
    std::filesystem::remove(file);
    EXPECT_FALSE(records.ReadNote(0, note));
}

TEST_F(PrivateNoteTest, WritesTheCodeAndOnlyANonEmptyText)
{
    const struct {
        std::int32_t code;
        std::string text;
        std::string bytes;
    } cases[] = {
        {3, "check", "3 check\n"},
        {4, "", "4"},
        {-12, "caf\xC3\xA9 \xFF", "-12 caf\xC3\xA9 \xFF\n"},
        // A line end inside the text would cut it short at the next reading.
        {2, "two\nlines\tand tab", "2 twolinesand tab\n"},
        {5, "\r\n", "5"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(records.WriteNote(0, c.code, c.text));
        EXPECT_EQ(ReadFile(file), c.bytes);
    }
}

TEST_F(PrivateNoteTest, WriteAndDeleteNeedAVisibleRowAndFailSilentlyOnDisk)
{
    WriteFile(file, "8 x");
    EXPECT_THROW(records.WriteNote(1, 1, ""), std::invalid_argument);
    EXPECT_THROW(records.DeleteNote(-1), std::invalid_argument);
    EXPECT_TRUE(records.DeleteNote(0));
    EXPECT_FALSE(Exists(file));
    EXPECT_FALSE(records.DeleteNote(0));
    std::filesystem::remove_all(record);  // the record went away behind the list's back
    EXPECT_FALSE(records.WriteNote(0, 1, "lost"));
    EXPECT_FALSE(Exists(record));
}

}  // namespace
