#include "records/SelectRecordByName.h"

#include "records/RecordDirectory.h"

NameSelection SelectRecordByName(RecordDirectory& records, std::string_view name, std::optional<RecordState> state)
{
    NameSelection found;
    for (std::size_t row = 0; row < records.Visible.size(); ++row) {
        const RecordEntry& entry = records.Visible[row];
        if (!SameRecordName(entry.Name, name) || (state && entry.State != *state))
            continue;
        if (found.Result == NameSelection::Outcome::Selected) {
            found = NameSelection{NameSelection::Outcome::Ambiguous, -1};
            break;
        }
        found = NameSelection{NameSelection::Outcome::Selected, static_cast<int>(row)};
    }
    records.Select(found.Row);
    return found;
}
