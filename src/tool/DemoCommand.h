#pragma once

#include "tool/ToolCommand.h"

// `demo DIR`: writes a demo installation, its pictures drawn with Qt's
// painter on the offscreen platform, so that no display is needed.
class DemoCommand : public ToolCommand {
public:
    static constexpr int DefaultRecords = 12;
    static constexpr int MaxRecords = 500;

    std::string Name() const override { return "demo"; }
    std::string Synopsis() const override { return "DIR [--records N] [--seed S]"; }
    std::vector<OptionDefinition> Options() const override { return {{"--records", true}, {"--seed", true}}; }
    int MinPositionals() const override { return 1; }
    int MaxPositionals() const override { return 1; }
    int Run(const CommandLine& arguments, ToolEnvironment& environment) const override;
};
