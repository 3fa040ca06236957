#include "records/SelectRecordByName.h"

#include "RecordsTestHelpers.h"

using namespace recordstest;
using namespace testsupport;

namespace {

using SelectRecordByNameTest = RecordTreeTest;

TEST_F(SelectRecordByNameTest, TheVisibleRowOfTheNameIgnoringCaseIsSelectedAndLoaded)
{
    MakeRecordDirectory(root, "2006-01-02T10:00:00");
    MakeRecordDirectory(confirmed, "2006-01-01 10:00:00");
    records.SetRoot(root);
    const struct {
        std::int32_t mask;
        const char* name;
        int row;
    } cases[] = {
        {-1, "2006-01-02t10:00:00", 1}, {-1, "2006-01-01 10:00:00", 0}, {-1, "2006-01-03 10:00:00", -1},
        {-1, "2006-01-02", -1}, {RecordDirectory::AllDays | RecordDirectory::ShowUnprocessed, "2006-01-01 10:00:00", -1},
    };
    for (const auto& c : cases) {
        records.SetFilter(c.mask);
        records.Select(-1);
        records.Content.Path.clear();
        EXPECT_EQ(SelectRecordByName(records, c.name), c.row) << c.name;
        EXPECT_EQ(records.SelectedIndex, c.row) << c.name;
        EXPECT_EQ(records.Content.Path, c.row < 0 ? "" : records.RecordPath(records.Visible[c.row]) + "/") << c.name;
    }
}

}  // namespace
