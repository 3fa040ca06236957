#include "tool/RecordNameArgument.h"

#include "records/SelectRecordByName.h"
#include "tool/ToolOutput.h"

#include <CLI/App.hpp>

#include <map>

void RecordNameArgument::Declare(CLI::App& command)
{
    static const std::map<std::string, RecordState> states = {
        {"0", RecordState::Unprocessed}, {"2", RecordState::Confirmed}, {"4", RecordState::Rejected}};
    command.add_option("NAME", name_)->required();
    command.add_option_function<std::string>("--state", [this](const std::string& text) { state_ = states.at(text); })
        ->check(CLI::IsMember(states));
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
