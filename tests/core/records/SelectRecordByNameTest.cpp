#include "records/SelectRecordByName.h"

#include "RecordsTestHelpers.h"

using namespace recordstest;
using namespace testsupport;

namespace {

using SelectRecordByNameTest = RecordTreeTest;
using Outcome = NameSelection::Outcome;

// Visible in time order: "2006-01-01 10:00:00 C", then one name in all three
// places (its case differs in the confirmed one): root, confirmed, rejected.
TEST_F(SelectRecordByNameTest, OneVisibleRowOfTheNameIgnoringCaseAndOfTheStateIsSelected)
{
    const std::string name = "2006-01-02T10:00:00";
    MakeRecordDirectory(root, name);
    MakeRecordDirectory(confirmed, "2006-01-02t10:00:00");
    MakeRecordDirectory(rejected, name);
    MakeRecordDirectory(confirmed, "2006-01-01 10:00:00");
    records.SetRoot(root);
    const std::int32_t withoutRejected = -1 & ~RecordDirectory::ShowRejected;
    const struct {
        std::string name;
        std::optional<RecordState> state;
        Outcome result;
        int row = -1;
        std::int32_t mask = -1;
    } cases[] = {
        {"2006-01-01 10:00:00", {}, Outcome::Selected, 0},
        {"2006-01-01 10:00:00", RecordState::Confirmed, Outcome::Selected, 0},
        {"2006-01-01 10:00:00", RecordState::Unprocessed, Outcome::None},
        {"2006-01-03 10:00:00", {}, Outcome::None},
        {name, {}, Outcome::Ambiguous},
        {name, {}, Outcome::Ambiguous, -1, withoutRejected},
        {name, RecordState::Unprocessed, Outcome::Selected, 1},
        {name, RecordState::Confirmed, Outcome::Selected, 2},
        {"2006-01-02t10:00:00", RecordState::Rejected, Outcome::Selected, 3},
        {name, RecordState::Rejected, Outcome::None, -1, withoutRejected},
        {name, RecordState::Rejected, Outcome::None, -1, RecordDirectory::ShowRejected},  // on another day
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name + " " + std::to_string(static_cast<int>(c.state.value_or(RecordState{-1}))));
        records.SetFilter(c.mask, ParseRecordName("2006-01-01 12:00:00"));
        records.Select(0);  // what was selected before does not stay
        const NameSelection found = SelectRecordByName(records, c.name, c.state);
        EXPECT_EQ(found.Result, c.result);
        EXPECT_EQ(found.Row, c.row);
        EXPECT_EQ(records.SelectedIndex, c.row);
        if (c.row >= 0) {
            EXPECT_EQ(records.Content.Path, records.RecordPath(records.Visible[c.row]) + "/");
        }
    }
}

}  // namespace
