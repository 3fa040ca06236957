#include "records/RecordListText.h"

#include "RecordsTestHelpers.h"

#include <limits>

using namespace recordstest;
using namespace testsupport;

namespace {

using RecordListTextTest = RecordTreeTest;

TEST_F(RecordListTextTest, LocalTimeThenInTheNotesModeTheCodeAndAPlusForAText)
{
    ScopedTimeZone sofia("Europe/Sofia");  // two hours from UTC: a UTC text would show another hour
    const struct {
        const char* name;
        const char* note;  // none when null
        bool notesMode;
        const char* line;
    } cases[] = {
        {"2006-01-02 00:04:05", "3 Wrong plate\n", true, "02-01-2006 00:04:05(3)+"},
        {"2006-01-02 00:04:07", "-7", true, "02-01-2006 00:04:07(-7)"},
        {"2006-07-02 23:59:59", nullptr, true, "02-07-2006 23:59:59"},
    };
    for (const auto& c : cases) {
        const std::string directory = MakeRecordDirectory(root, c.name);
        if (c.note)
            WriteNoteFile(directory, c.note);
    }
    records.SetRoot(root);
    for (int row = 0; row < static_cast<int>(std::size(cases)); ++row)
        EXPECT_EQ(RecordListText(records, row, cases[row].notesMode), cases[row].line) << cases[row].name;
    // A time the library cannot break down leaves only the note.
    records.Visible[0].Time = std::numeric_limits<RecordTime>::max();
    EXPECT_EQ(RecordListText(records, 0, false), "");
    EXPECT_EQ(RecordListText(records, 0, true), "(3)+");
    EXPECT_THROW(RecordListText(records, 3, false), std::out_of_range);
}

}  // namespace
