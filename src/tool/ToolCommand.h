#pragma once

#include <string>

namespace CLI {
class App;
}

class ToolEnvironment;

// Exit statuses of the tool.
enum ExitStatus : int {
    ExitSuccess = 0,
    ExitFailure = 1,  // what the application would report or skip
    ExitUsage = 2,
};

// One subcommand: its name, how it is called, the options and positional
// arguments it takes, and what it does.
class ToolCommand {
public:
    virtual ~ToolCommand() = default;

    virtual std::string Name() const = 0;
    // The arguments after the name, as the usage text shows them.
    virtual std::string Synopsis() const = 0;
    // Puts its own options and positional arguments on its subcommand, bound
    // to what Run reads; the common ones are added by the registry.
    virtual void Declare(CLI::App& command) = 0;

    // Runs with arguments that passed the checks declared; an ExitStatus.
    // Throws UsageError for a value it cannot use.
    virtual int Run(ToolEnvironment& environment) const = 0;
};
