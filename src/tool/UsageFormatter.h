#pragma once

#include <CLI/App.hpp>

#include <string>

// The tool's usage texts from its CLI11 apps: the command list for the tool,
// one usage line for a subcommand, whose description is its synopsis.
class UsageFormatter : public CLI::FormatterBase {
public:
    std::string make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const override;

private:
    static std::string ToolUsage(const CLI::App& tool);
    static std::string CommandUsage(const CLI::App& command);
};
