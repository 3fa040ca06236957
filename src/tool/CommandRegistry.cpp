#include "tool/CommandRegistry.h"

#include "tool/CodeNotesCommand.h"
#include "tool/DecisionCommand.h"
#include "tool/DemoCommand.h"
#include "tool/ExportCommand.h"
#include "tool/ListCommand.h"
#include "tool/NoteCommand.h"
#include "tool/PrintCommand.h"
#include "tool/RecordCommand.h"
#include "tool/RenderCommand.h"
#include "tool/SettingsCommand.h"
#include "tool/ToolOutput.h"
#include "tool/UsageError.h"
#include "tool/UsageFormatter.h"
#include "VantrelVersion.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <exception>
#include <iostream>
#include <optional>

CommandRegistry::CommandRegistry() : tool_("", "vantrel-tool")
{
    // Set before the subcommands are added, which copy them.
    tool_.formatter(std::make_shared<UsageFormatter>());
    // An option given twice counts with its last value, so that a script can
    // override what it was given; --site and --set collect theirs.
    tool_.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    tool_.set_version_flag("--version", std::string("vantrel-tool ") + VantrelVersion);
    tool_.require_subcommand(1);
    Add(std::make_unique<RecordCommand>());
    Add(std::make_unique<RenderCommand>());
    Add(std::make_unique<ListCommand>());
    Add(std::make_unique<ExportCommand>());
    Add(std::make_unique<PrintCommand>());
    Add(std::make_unique<DecisionCommand>(DecisionCommand::Confirm));
    Add(std::make_unique<DecisionCommand>(DecisionCommand::Reject));
    Add(std::make_unique<NoteCommand>());
    Add(std::make_unique<SettingsCommand>());
    Add(std::make_unique<CodeNotesCommand>());
    Add(std::make_unique<DemoCommand>());
}

void CommandRegistry::Add(std::unique_ptr<ToolCommand> command)
{
    CLI::App* subcommand = tool_.add_subcommand(command->Name(), command->Synopsis());
    command->Declare(*subcommand);
    environment_.Declare(*subcommand);
    commands_.push_back(std::move(command));
}

int CommandRegistry::Run(std::vector<std::string> arguments)
{
    const auto first = arguments.empty() ? std::nullopt : std::optional(arguments.front());
    // "help" is the word form of --help.
    if (first == "help")
        arguments.front() = "--help";
    // CLI11 takes the arguments last first.
    std::reverse(arguments.begin(), arguments.end());
    try {
        tool_.parse(arguments);
    } catch (const CLI::CallForHelp&) {
        std::cout << tool_.help();
        return ExitSuccess;
    } catch (const CLI::CallForVersion& version) {
        std::cout << version.what() << '\n';
        return ExitSuccess;
    } catch (const CLI::ParseError& error) {
        return UsageFailure(first, error.what());
    }
    return RunCommand(*tool_.get_subcommands().front());
}

int CommandRegistry::RunCommand(const CLI::App& chosen)
{
    const auto command = std::find_if(commands_.begin(), commands_.end(),
                                      [&](const auto& c) { return c->Name() == chosen.get_name(); });
    try {
        return (*command)->Run(environment_);
    } catch (const UsageError& error) {
        return UsageFailure(chosen, error.what());
    } catch (const std::exception& error) {
        return Fail(chosen.get_name() + ": " + error.what());
    }
}

int CommandRegistry::UsageFailure(const std::optional<std::string>& first, const std::string& message) const
{
    const auto chosen = tool_.get_subcommands();
    if (!chosen.empty())
        return UsageFailure(*chosen.front(), message);
    // Without a subcommand CLI11's message is about the missing one; what
    // went wrong is the first argument, when there is one.
    if (first)
        PrintError("vantrel-tool: unknown command '" + *first + "'");
    std::cerr << tool_.help();
    return ExitUsage;
}

int CommandRegistry::UsageFailure(const CLI::App& chosen, const std::string& message)
{
    PrintError("vantrel-tool " + chosen.get_name() + ": " + message);
    std::cerr << chosen.help();
    return ExitUsage;
}
