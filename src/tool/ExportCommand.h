#pragma once

#include "tool/ToolCommand.h"

// `export OUT`: the records listing of the root, written to OUT as the
// listing command writes it to the file chosen in its save dialog.
class ExportCommand : public ToolCommand {
public:
    std::string Name() const override { return "export"; }
    std::string Synopsis() const override { return "OUT"; }
    void Declare(CLI::App& command) override;
    int Run(ToolEnvironment& environment) const override;

private:
    std::string out_;
};
