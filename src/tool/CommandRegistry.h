#pragma once

#include "tool/ToolCommand.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Every subcommand of the tool, and the dispatch from the command line to one
// of them with the shared checks, messages and exit statuses.
class CommandRegistry {
public:
    CommandRegistry();

    // argv-style arguments without the program name; an ExitStatus.
    int Run(const std::vector<std::string>& arguments) const;

    // "--settings FILE", "--codenotes FILE" and "--root DIR", taken by every subcommand.
    static std::vector<OptionDefinition> CommonOptions();

private:
    const ToolCommand* Find(std::string_view name) const;
    int RunCommand(const ToolCommand& command, const std::vector<std::string>& arguments) const;
    void PrintUsage(std::ostream& out) const;
    static void PrintCommandUsage(std::ostream& out, const ToolCommand& command);

    std::vector<std::unique_ptr<ToolCommand>> commands_;
};
