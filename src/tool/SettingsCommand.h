#pragma once

#include "tool/ToolCommand.h"

class CVantrelSettings;

// `settings`: the settings file as start-up loads it, with units looked up
// (and added) as showing their records does, printed and optionally saved as
// the application saves it at exit.
class SettingsCommand : public ToolCommand {
public:
    std::string Name() const override { return "settings"; }
    std::string Synopsis() const override { return "[--site MAC]... [--save OUT]"; }
    std::vector<OptionDefinition> Options() const override { return {{"--site", true}, {"--save", true}}; }
    int MinPositionals() const override { return 0; }
    int MaxPositionals() const override { return 0; }
    int Run(const CommandLine& arguments, ToolEnvironment& environment) const override;

private:
    static void Print(const CVantrelSettings& settings);
};
