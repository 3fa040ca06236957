#include "ToolProcess.h"

#include "TempDir.h"

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>

namespace {

// Inside single quotes the shell keeps every byte but the quote itself.
std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

ToolResult RunTool(const std::vector<std::string>& arguments, const std::string& workingDirectory)
{
    const testsupport::TempDir output;
    std::string command = workingDirectory.empty() ? "" : "cd " + Quoted(workingDirectory) + " && ";
    command += Quoted(VANTREL_TOOL_PATH);
    for (const std::string& argument : arguments)
        command += " " + Quoted(argument);
    command += " >" + Quoted(output.Path() + "out") + " 2>" + Quoted(output.Path() + "err");
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, testsupport::ReadFile(output.Path() + "out"),
            testsupport::ReadFile(output.Path() + "err")};
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}
