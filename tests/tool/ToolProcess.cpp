#include "ToolProcess.h"

#include "TempDir.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

namespace {

[[noreturn]] void RunChild(const std::vector<std::string>& arguments, const std::string& workingDirectory,
                           const std::string& outPath, const std::string& errPath)
{
    if (!workingDirectory.empty() && chdir(workingDirectory.c_str()) != 0)
        _exit(126);
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0)
        _exit(126);
    std::vector<char*> argv;
    std::string program = VANTREL_TOOL_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
}

}  // namespace

ToolResult RunTool(const std::vector<std::string>& arguments, const std::string& workingDirectory)
{
    const testsupport::TempDir output;
    const std::string outPath = output.Path() + "out";
    const std::string errPath = output.Path() + "err";
    const pid_t child = fork();
    if (child == 0)
        RunChild(arguments, workingDirectory, outPath, errPath);
    ToolResult result;
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        std::abort();
    result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.Out = testsupport::ReadFile(outPath);
    result.Err = testsupport::ReadFile(errPath);
    return result;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}
