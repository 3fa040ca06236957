#pragma once

#include "tool/ToolCommand.h"

#include <optional>
#include <string>
#include <vector>

class CVantrelSettings;

// `settings`: the settings file as start-up loads it, with units looked up
// (and added) as showing their records does, printed and optionally saved as
// the application saves it at exit.
class SettingsCommand : public ToolCommand {
public:
    std::string Name() const override { return "settings"; }
    std::string Synopsis() const override { return "[--site MAC]... [--save OUT]"; }
    void Declare(CLI::App& command) override;
    int Run(ToolEnvironment& environment) const override;

private:
    static void Print(const CVantrelSettings& settings);

    std::vector<std::string> sites_;
    std::optional<std::string> save_;
};
