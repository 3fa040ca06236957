#pragma once

#include "tool/RecordNameArgument.h"
#include "tool/ToolCommand.h"

// `confirm NAME` and `reject NAME`: the records pane's Confirm or Reject
// button pressed with the record selected, each toggling its decision.
// A name that lies in two places is refused unless --state names one.
class DecisionCommand : public ToolCommand {
public:
    enum Button { Confirm, Reject };

    explicit DecisionCommand(Button button) : button_(button) {}

    std::string Name() const override { return button_ == Confirm ? "confirm" : "reject"; }
    std::string Synopsis() const override;
    void Declare(CLI::App& command) override { record_.Declare(command); }
    int Run(ToolEnvironment& environment) const override;

private:
    Button button_;
    RecordNameArgument record_;
};
