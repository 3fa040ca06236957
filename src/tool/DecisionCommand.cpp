#include "tool/DecisionCommand.h"

#include "records/RecordDirectory.h"
#include "tool/ToolEnvironment.h"
#include "tool/ToolOutput.h"

#include <algorithm>

std::string DecisionCommand::Synopsis() const
{
    return std::string("NAME ") + RecordNameArgument::StateSynopsis;
}

int DecisionCommand::Run(ToolEnvironment& environment) const
{
    const auto records = environment.OpenRecords();
    const int row = record_.Select(*records);
    if (row < 0)
        return ExitFailure;
    // Each button takes its own decision back when the record already has it.
    const RecordState state = records->Visible[row].State;
    bool moved = false;
    if (button_ == Confirm)
        moved = state == RecordState::Confirmed ? records->RestoreRecord(row) : records->ConfirmRecord(row);
    else
        moved = state == RecordState::Rejected ? records->RestoreRecord(row) : records->RejectRecord(row);
    if (!moved) {
        std::string message = button_ == Confirm ? "File I/O error.\nThe record may not be confirmed."
                                                 : "File I/O error.\nThe record may not be rejected.";
        std::replace(message.begin(), message.end(), '\n', ' ');
        PrintError(message);
        return ExitFailure;
    }
    return ExitSuccess;
}
