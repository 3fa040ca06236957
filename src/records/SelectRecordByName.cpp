#include "records/SelectRecordByName.h"

#include "records/RecordDirectory.h"

int SelectRecordByName(RecordDirectory& records, const std::string& name)
{
    for (std::size_t row = 0; row < records.Visible.size(); ++row) {
        if (SameRecordName(records.Visible[row].Name, name)) {
            records.Select(static_cast<int>(row));
            return records.SelectedIndex;
        }
    }
    records.Select(-1);
    return -1;
}
