#include "tool/RecordNameArgument.h"

#include "records/SelectRecordByName.h"
#include "tool/ToolOutput.h"
#include "tool/UsageError.h"

namespace {

std::optional<RecordState> StateValue(const std::optional<std::string>& text)
{
    if (!text)
        return std::nullopt;
    for (const RecordState state : {RecordState::Unprocessed, RecordState::Confirmed, RecordState::Rejected}) {
        if (*text == std::to_string(static_cast<int>(state)))
            return state;
    }
    throw UsageError("--state must be 0, 2 or 4: '" + *text + "'");
}

}  // namespace

RecordNameArgument::RecordNameArgument(const CommandLine& arguments)
    : name_(arguments.Positionals().at(0)), state_(StateValue(arguments.Value(StateOption().Name)))
{
}

int RecordNameArgument::Select(RecordDirectory& records) const
{
    const NameSelection found = SelectRecordByName(records, name_, state_);
    switch (found.Result) {
    case NameSelection::Outcome::Selected:
        return found.Row;
    case NameSelection::Outcome::Ambiguous:
        Fail("ambiguous record name '" + name_ + "'");
        break;
    case NameSelection::Outcome::None:
        Fail("no record named '" + name_ + "'");
        break;
    }
    return -1;
}
