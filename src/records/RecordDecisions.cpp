// The decisions on a record: moves of its directory between the root and the
// confirmed and rejected subdirectories.
#include "records/RecordDirectory.h"

#include "records/DirectoryMove.h"

bool RecordDirectory::ConfirmRecord(int index)
{
    return MoveRecord(index, RecordState::Confirmed);
}

bool RecordDirectory::RejectRecord(int index)
{
    return MoveRecord(index, RecordState::Rejected);
}

bool RecordDirectory::RestoreRecord(int index)
{
    return MoveRecord(index, RecordState::Unprocessed);
}

bool RecordDirectory::MoveRecord(int index, RecordState target)
{
    if (index < 0 || Visible.empty())
        return true;
    const RecordEntry row = VisibleRow(index);
    if (row.State == target)
        return true;
    const std::string targetDirectory = StateDirectory(target);
    if (target != RecordState::Unprocessed)
        EnsureDirectory(targetDirectory);
    if (!MoveDirectory(RecordPath(row), targetDirectory + row.Name))
        return false;
    // The same name may lie in two of the directories; the row that moved is
    // the one with the old state.
    for (RecordEntry& record : AllRecords) {
        if (record.State == row.State && SameRecordName(record.Name, row.Name)) {
            record.State = target;
            break;
        }
    }
    Visible[index].State = target;
    SelectedIndex = -1;
    Select(index);
    return true;
}
