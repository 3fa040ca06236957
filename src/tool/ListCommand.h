#pragma once

#include "tool/ToolCommand.h"

// `list`: the visible records list as the records pane shows it, for a sort
// mode, filter mask, day and private notes mode.
class ListCommand : public ToolCommand {
public:
    std::string Name() const override { return "list"; }
    std::string Synopsis() const override
    {
        return "[--sort time|type] [--notes] [--mask N] [--day YYYY-MM-DD]";
    }
    std::vector<OptionDefinition> Options() const override;
    int MinPositionals() const override { return 0; }
    int MaxPositionals() const override { return 0; }
    int Run(const CommandLine& arguments, ToolEnvironment& environment) const override;
};
