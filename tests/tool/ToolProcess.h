#pragma once

#include <string>
#include <vector>

// One run of the built vantrel-tool as a separate process.
struct ToolResult {
    int Status = -1;  // exit status; -1 when it did not exit normally
    std::string Out;
    std::string Err;
};

// Runs the tool with the arguments in the working directory (the test's own
// when empty) and waits for it.
ToolResult RunTool(const std::vector<std::string>& arguments, const std::string& workingDirectory = "");

// The lines of a text, each without its line feed.
std::vector<std::string> Lines(const std::string& text);
