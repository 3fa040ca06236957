#pragma once

#include "tool/ToolCommand.h"
#include "tool/ToolEnvironment.h"

#include <CLI/App.hpp>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// Every subcommand of the tool, and the dispatch from the command line to one
// of them with the shared checks, messages and exit statuses.
class CommandRegistry {
public:
    CommandRegistry();
    CommandRegistry(const CommandRegistry&) = delete;
    CommandRegistry& operator=(const CommandRegistry&) = delete;

    // argv-style arguments without the program name; an ExitStatus. Once per registry.
    int Run(std::vector<std::string> arguments);

private:
    void Add(std::unique_ptr<ToolCommand> command);
    int RunCommand(const CLI::App& chosen);
    // Status 2 after the message and the usage of the subcommand chosen, or
    // of the tool when none was.
    int UsageFailure(const std::optional<std::string>& first, const std::string& message) const;
    static int UsageFailure(const CLI::App& chosen, const std::string& message);

    CLI::App tool_;
    std::vector<std::unique_ptr<ToolCommand>> commands_;
    ToolEnvironment environment_;
};
