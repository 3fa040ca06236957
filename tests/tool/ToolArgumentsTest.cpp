#include "CfaFileWriter.h"
#include "TempDir.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cctype>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> Commands = {"record", "render",   "list",      "export", "confirm", "reject",
                                           "note",   "settings", "codenotes", "demo",   "print"};

TEST(ToolArgumentsTest, UsageGoesToStandardErrorUnlessAskedFor)
{
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{}, {"frobnicate"}}) {
        const ToolResult result = RunTool(arguments);
        EXPECT_EQ(result.Status, 2);
        EXPECT_EQ(result.Out, "");
        EXPECT_NE(result.Err.find("usage: vantrel-tool COMMAND [options]\n"), std::string::npos);
    }
    EXPECT_TRUE(RunTool({"frobnicate"}).Err.starts_with("vantrel-tool: unknown command 'frobnicate'\n"));
    for (const char* word : {"--help", "help"}) {
        const ToolResult help = RunTool({word});
        EXPECT_EQ(help.Status, 0);
        EXPECT_EQ(help.Err, "");
        for (const std::string& command : Commands)
            EXPECT_NE(help.Out.find("\n  " + command + " "), std::string::npos) << command;
    }
    const ToolResult version = RunTool({"--version"});
    EXPECT_EQ(version.Status, 0);
    EXPECT_TRUE(version.Out.starts_with("vantrel-tool ")) << version.Out;
}

// A command's usage, asked for, is the one line a usage error ends with.
// Every option it names, and the common ones, is one the command takes: given
// after the command's positional arguments it is never refused as
// unexpected, as an option the usage does not name is.
TEST(ToolArgumentsTest, EachCommandShowsItsUsageAndTakesEveryOptionItNames)
{
    const testsupport::TempDir temp;
    for (const std::string& command : Commands) {
        const ToolResult help = RunTool({command, "--help"});
        EXPECT_EQ(help.Status, 0) << command;
        EXPECT_EQ(help.Err, "") << command;
        EXPECT_EQ(Lines(help.Out), std::vector<std::string>{Lines(RunTool({command, "--no-such-option"}).Err).at(1)});
        const std::string usage = Lines(help.Out).at(0);
        EXPECT_TRUE(usage.starts_with("usage: vantrel-tool " + command + " ")) << usage;
        std::istringstream words(usage.substr(std::string("usage: vantrel-tool ").size() + command.size()));
        std::vector<std::string> positionals, options;
        for (std::string word; words >> word;) {
            const auto dashes = word.find("--");
            if (dashes != std::string::npos)
                options.push_back(word.substr(dashes, word.find_first_of("]") - dashes));
            else if (options.empty() && word.front() != '[' && std::isupper(static_cast<unsigned char>(word.front())))
                positionals.push_back("P" + std::to_string(positionals.size()));
        }
        ASSERT_GE(options.size(), 3u) << usage;
        options.push_back("--no-such-option");
        for (const std::string& option : options) {
            std::vector<std::string> arguments = {command};
            arguments.insert(arguments.end(), positionals.begin(), positionals.end());
            arguments.push_back(option);
            const bool refused = RunTool(arguments, temp.Path()).Err.find("not expected") != std::string::npos;
            EXPECT_EQ(refused, option == "--no-such-option") << command << " " << option;
        }
    }
}

// Every wrong argument ends with status 2, a message naming the command, and
// the command's usage; nothing is printed on standard output. A whole number
// is decimal digits, after a minus sign or not, and nothing else: a trailing
// letter, a fraction, a space or nothing at all is a usage error for every
// option and argument that takes one ("@" below), and so are the forms a C
// conversion would read as a number (hexadecimal, a plus sign, a leading blank).
TEST(ToolArgumentsTest, BadArgumentsAreUsageErrors)
{
    std::vector<std::vector<std::string>> cases = {
        {"record"}, {"record", "a", "b"}, {"record", "a", "--frames"}, {"list", "--sort", "size"},
        {"list", "--mask", "99999999999"}, {"list", "--day", "2024-02-30"}, {"render", "in.cfa", "out.jpg"},
        {"render", "in.cfa", "out.ppm", "--correction", "4"}, {"render", "in.cfa", "out.ppm", "--gamma", "nan"},
        {"render", "in.cfa", "out.ppm", "--window", "0:4096"}, {"confirm"}, {"reject", "a", "b"},
        {"note", "name", "5", "--delete"}, {"confirm", "name", "--state", "1"}, {"note", "name", "--state", "rejected"},
        {"export"}, {"settings", "--site", "00:11:22:33:44"}, {"demo", "dir", "--records", "0"},
        {"demo", "dir", "--seed", "-1"}, {"print", "name"}, {"print", "name", "out.pdf", "--general"},
        {"list", "--notes", "extra"}, {"confirm", "name", "--state", "02"},
        {"settings", "--site", "00:11:22:33:44:55", "00:11:22:33:44:66"}, {"list", "--mask"},
    };
    const std::vector<std::vector<std::string>> wholeNumberForms = {
        {"list", "--mask", "@"}, {"render", "in.cfa", "out.ppm", "--correction", "@"},
        {"render", "in.cfa", "out.ppm", "--filter", "@"}, {"render", "in.cfa", "out.ppm", "--window", "@:4000"},
        {"render", "in.cfa", "out.ppm", "--window", "10:@"}, {"note", "name", "@"}, {"codenotes", "--set", "@=text"},
        {"demo", "dir", "--records", "@"}, {"demo", "dir", "--seed", "@"},
        {"print", "name", "out.pdf", "--general", "1-@"}, {"print", "name", "out.pdf", "--detailed", "left:@"},
        {"print", "name", "out.pdf", "--correction", "@"},
    };
    for (const auto& form : wholeNumberForms)
        for (const std::string bad : {"7x", "1.5", "7 ", "", "0x1", "+1", " 1"}) {
            cases.push_back(form);
            for (std::string& argument : cases.back())
                if (const auto at = argument.find('@'); at != std::string::npos)
                    argument.replace(at, 1, bad);
        }
    // In a directory of its own: an argument taken by mistake writes there.
    const testsupport::TempDir temp;
    for (const auto& arguments : cases) {
        SCOPED_TRACE(::testing::PrintToString(arguments));
        const ToolResult result = RunTool(arguments, temp.Path());
        EXPECT_EQ(result.Status, 2);
        EXPECT_EQ(result.Out, "");
        EXPECT_TRUE(result.Err.starts_with("vantrel-tool " + arguments[0] + ": ")) << result.Err;
        EXPECT_NE(result.Err.find("\nusage: vantrel-tool " + arguments[0] + " "), std::string::npos) << result.Err;
    }
}

// Input that cannot be read and output that cannot be written end with
// status 1 and one message, and leave no picture behind. The forms the tool
// has always read get that far: a lone "-", a word of a dash and a digit (a
// negative note code), a command's name and everything after "--" are
// positional arguments; of an option given twice the last counts.
TEST(ToolArgumentsTest, UnreadableInputAndUnwritableOutputFail)
{
    const testsupport::TempDir temp;
    const std::string dir = temp.Path(), none = dir + "missing/out";
    testsupport::WriteFile(dir + "file", "x");
    testsupport::WriteFile(dir + "header.CFA", std::string(100, '\0'));
    ASSERT_EQ(mkfifo((dir + "pipe.CFA").c_str(), 0600), 0);
    testsupport::WriteCfaFile(dir + "tiny.CFA", {testsupport::LaneFrameHeader(2, 2), {}});
    testsupport::WriteCfaFile(dir + "full.CFA", {testsupport::LaneFrameHeader(1144, 790), {}});
    temp.MakeDir("demo/records");
    const struct {
        std::vector<std::string> arguments;
        std::string error;
    } cases[] = {
        {{"record", "-"}, "-: not a directory"},
        {{"record", "-5"}, "-5: not a directory"},
        {{"record", "list"}, "list: not a directory"},
        {{"record", "--", "--stats"}, "--stats: not a directory"},
        {{"codenotes", "--save", dir + "a/x", "--save", dir + "b/x"}, dir + "b/x: cannot write the code-note file"},
        {{"record", dir + "file"}, dir + "file: not a directory"},
        {{"render", dir + "missing.CFA", dir + "o.ppm"}, dir + "missing.CFA: cannot read the lane frame"},
        {{"render", dir + "header.CFA", dir + "o.ppm", "--stats"}, dir + "header.CFA: cannot read the lane frame"},
        {{"render", dir + "pipe.CFA", dir + "o.ppm"}, dir + "pipe.CFA: cannot read the lane frame"},
        {{"render", dir + "tiny.CFA", dir + "o.ppm"}, dir + "tiny.CFA: the frame has no visible picture"},
        {{"render", dir + "full.CFA", none + ".ppm"}, none + ".ppm: cannot write the picture"},
        {{"export", none + ".txt"}, none + ".txt: cannot write the records listing"},
        {{"settings", "--save", none}, none + ": cannot write the settings file"},
        {{"codenotes", "--save", none}, none + ": cannot write the code-note file"},
        {{"demo", dir + "demo", "--records", "1"}, dir + "demo/records: already exists"},
    };
    for (const auto& c : cases) {
        const ToolResult result = RunTool(c.arguments, dir);
        EXPECT_EQ(result.Status, 1) << c.error;
        EXPECT_NE(result.Err.find("vantrel-tool: " + c.error + "\n"), std::string::npos) << result.Err;
        EXPECT_FALSE(testsupport::Exists(dir + "o.ppm"));
    }
}

}  // namespace
