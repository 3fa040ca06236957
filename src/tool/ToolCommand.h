#pragma once

#include "tool/CommandLine.h"

#include <string>
#include <vector>

class ToolEnvironment;

// Exit statuses of the tool.
enum ExitStatus : int {
    ExitSuccess = 0,
    ExitFailure = 1,  // what the application would report or skip
    ExitUsage = 2,
};

// One subcommand: its name, how it is called, the options and number of
// positional arguments it takes, and what it does.
class ToolCommand {
public:
    virtual ~ToolCommand() = default;

    virtual std::string Name() const = 0;
    // The arguments after the name, as the usage text shows them.
    virtual std::string Synopsis() const = 0;
    // Its own options; the common ones are added by the registry.
    virtual std::vector<OptionDefinition> Options() const { return {}; }
    virtual int MinPositionals() const = 0;
    virtual int MaxPositionals() const = 0;

    // Runs with arguments that passed the checks above; an ExitStatus. Throws
    // UsageError for a value it cannot use.
    virtual int Run(const CommandLine& arguments, ToolEnvironment& environment) const = 0;
};
