#include "tool/UsageFormatter.h"

namespace {

constexpr const char* ProgramName = "vantrel-tool";

}  // namespace

std::string UsageFormatter::make_help(const CLI::App* app, std::string, CLI::AppFormatMode) const
{
    return app->get_parent() ? CommandUsage(*app) : ToolUsage(*app);
}

std::string UsageFormatter::ToolUsage(const CLI::App& tool)
{
    std::string usage = std::string("usage: ") + ProgramName + " COMMAND [options]\n"
                        "       " + ProgramName + " --help | --version\n"
                        "common options: --settings FILE  --codenotes FILE  --root DIR\n"
                        "commands:\n";
    for (const CLI::App* command : tool.get_subcommands({}))
        usage += "  " + command->get_name() + ' ' + command->get_description() + '\n';
    return usage;
}

std::string UsageFormatter::CommandUsage(const CLI::App& command)
{
    return std::string("usage: ") + ProgramName + ' ' + command.get_name() + ' ' + command.get_description() +
           " [--settings FILE] [--codenotes FILE] [--root DIR]\n";
}
