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
#include "tool/ToolEnvironment.h"
#include "tool/ToolOutput.h"
#include "tool/UsageError.h"
#include "VantrelVersion.h"

#include <exception>
#include <iostream>

CommandRegistry::CommandRegistry()
{
    commands_.push_back(std::make_unique<RecordCommand>());
    commands_.push_back(std::make_unique<RenderCommand>());
    commands_.push_back(std::make_unique<ListCommand>());
    commands_.push_back(std::make_unique<ExportCommand>());
    commands_.push_back(std::make_unique<PrintCommand>());
    commands_.push_back(std::make_unique<DecisionCommand>(DecisionCommand::Confirm));
    commands_.push_back(std::make_unique<DecisionCommand>(DecisionCommand::Reject));
    commands_.push_back(std::make_unique<NoteCommand>());
    commands_.push_back(std::make_unique<SettingsCommand>());
    commands_.push_back(std::make_unique<CodeNotesCommand>());
    commands_.push_back(std::make_unique<DemoCommand>());
}

std::vector<OptionDefinition> CommandRegistry::CommonOptions()
{
    return {{"--settings", true}, {"--codenotes", true}, {"--root", true}};
}

int CommandRegistry::Run(const std::vector<std::string>& arguments) const
{
    if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "help")) {
        PrintUsage(std::cout);
        return ExitSuccess;
    }
    if (arguments.size() == 1 && arguments[0] == "--version") {
        std::cout << "vantrel-tool " << VantrelVersion << '\n';
        return ExitSuccess;
    }
    const ToolCommand* command = arguments.empty() ? nullptr : Find(arguments[0]);
    if (!command) {
        if (!arguments.empty())
            PrintError("vantrel-tool: unknown command '" + arguments[0] + "'");
        PrintUsage(std::cerr);
        return ExitUsage;
    }
    return RunCommand(*command, std::vector<std::string>(arguments.begin() + 1, arguments.end()));
}

const ToolCommand* CommandRegistry::Find(std::string_view name) const
{
    for (const auto& command : commands_) {
        if (command->Name() == name)
            return command.get();
    }
    return nullptr;
}

int CommandRegistry::RunCommand(const ToolCommand& command,
                                const std::vector<std::string>& arguments) const
{
    try {
        std::vector<OptionDefinition> definitions = command.Options();
        for (OptionDefinition& common : CommonOptions())
            definitions.push_back(std::move(common));
        const CommandLine line(arguments, definitions);
        const auto count = static_cast<int>(line.Positionals().size());
        if (count < command.MinPositionals() || count > command.MaxPositionals())
            throw UsageError("wrong number of arguments");
        ToolEnvironment environment(line);
        return command.Run(line, environment);
    } catch (const UsageError& error) {
        PrintError("vantrel-tool " + command.Name() + ": " + error.what());
        PrintCommandUsage(std::cerr, command);
        return ExitUsage;
    } catch (const std::exception& error) {
        return Fail(command.Name() + ": " + error.what());
    }
}

void CommandRegistry::PrintUsage(std::ostream& out) const
{
    out << "usage: vantrel-tool COMMAND [options]\n"
           "       vantrel-tool --help | --version\n"
           "common options: --settings FILE  --codenotes FILE  --root DIR\n"
           "commands:\n";
    for (const auto& command : commands_)
        out << "  " << command->Name() << ' ' << command->Synopsis() << '\n';
}

void CommandRegistry::PrintCommandUsage(std::ostream& out, const ToolCommand& command)
{
    out << "usage: vantrel-tool " << command.Name() << ' ' << command.Synopsis()
        << " [--settings FILE] [--codenotes FILE] [--root DIR]\n";
}
