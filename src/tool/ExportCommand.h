#pragma once

#include "tool/ToolCommand.h"

// `export OUT`: the records listing of the root, written to OUT as the
// listing command writes it to the file chosen in its save dialog.
class ExportCommand : public ToolCommand {
public:
    std::string Name() const override { return "export"; }
    std::string Synopsis() const override { return "OUT"; }
    int MinPositionals() const override { return 1; }
    int MaxPositionals() const override { return 1; }
    int Run(const CommandLine& arguments, ToolEnvironment& environment) const override;
};
