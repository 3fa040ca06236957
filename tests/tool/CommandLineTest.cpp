#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

bool StartsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

TEST(CommandLineTest, WithoutACommandTheUsageGoesToStandardError)
{
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{}, {"frobnicate"}}) {
        const ToolResult result = RunTool(arguments);
        EXPECT_EQ(result.Status, 2);
        EXPECT_EQ(result.Out, "");
        EXPECT_NE(result.Err.find("usage: vantrel-tool COMMAND [options]\n"), std::string::npos);
    }
    EXPECT_TRUE(StartsWith(RunTool({"frobnicate"}).Err, "vantrel-tool: unknown command 'frobnicate'\n"));
}

TEST(CommandLineTest, HelpGoesToStandardOutput)
{
    const ToolResult result = RunTool({"--help"});
    EXPECT_EQ(result.Status, 0);
    EXPECT_TRUE(StartsWith(result.Out, "usage: vantrel-tool COMMAND [options]\n"));
    for (const char* command : {"record", "render", "list", "export", "confirm", "reject", "note", "settings",
                                "codenotes", "demo"})
        EXPECT_NE(result.Out.find(std::string("\n  ") + command + " "), std::string::npos) << command;
}

// Every wrong argument ends with status 2, a message naming the command, and
// the command's usage; nothing is printed on standard output.
TEST(CommandLineTest, BadArgumentsAreUsageErrors)
{
    const std::vector<std::vector<std::string>> cases = {
        {"record"},
        {"record", "a", "b"},
        {"record", "a", "--frames"},
        {"list", "--sort"},
        {"list", "--sort", "size"},
        {"list", "--mask", "abc"},
        {"list", "--mask", "99999999999"},
        {"list", "--day", "2024-02-30"},
        {"list", "--day", "13-05-2024"},
        {"render", "in.cfa", "out.jpg"},
        {"render", "in.cfa", "out.ppm", "--correction", "4"},
        {"render", "in.cfa", "out.ppm", "--filter", "x"},
        {"render", "in.cfa", "out.ppm", "--gamma", "-1"},
        {"render", "in.cfa", "out.ppm", "--gamma", "nan"},
        {"render", "in.cfa", "out.ppm", "--window", "5"},
        {"render", "in.cfa", "out.ppm", "--window", "0:4096"},
        {"confirm"},
        {"note", "name", "abc"},
        {"note", "name", "5", "--delete"},
        {"settings", "--site", "00:11:22:33:44"},
        {"settings", "--site", "not a mac address"},
        {"codenotes", "--set", "5"},
        {"codenotes", "--set", "x=text"},
        {"demo", "dir", "--records", "0"},
        {"demo", "dir", "--seed", "-1"},
    };
    for (const auto& arguments : cases) {
        const ToolResult result = RunTool(arguments);
        const std::string& command = arguments[0];
        EXPECT_EQ(result.Status, 2) << arguments.back();
        EXPECT_EQ(result.Out, "") << arguments.back();
        EXPECT_TRUE(StartsWith(result.Err, "vantrel-tool " + command + ": ")) << result.Err;
        EXPECT_NE(result.Err.find("\nusage: vantrel-tool " + command + " "), std::string::npos) << result.Err;
    }
}

}  // namespace
