#pragma once

#include "tool/ToolCommand.h"

#include <cstdint>
#include <optional>

// `list`: the visible records list as the records pane shows it, for a sort
// mode, filter mask, day and private notes mode.
class ListCommand : public ToolCommand {
public:
    std::string Name() const override { return "list"; }
    std::string Synopsis() const override
    {
        return "[--sort time|type] [--notes] [--mask N] [--day YYYY-MM-DD]";
    }
    void Declare(CLI::App& command) override;
    int Run(ToolEnvironment& environment) const override;

private:
    std::string sort_ = "time";
    bool notes_ = false;
    std::int32_t mask_ = -1;  // every record
    std::optional<std::string> day_;
};
