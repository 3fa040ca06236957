#include "RecordTreeWriter.h"
#include "ReviewRecordWriter.h"
#include "TempDir.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace {

const std::string Full = testsupport::RecordName(2006, 3, 1, 12, 0, 0);
const std::string MiddleOnly = testsupport::RecordName(2006, 3, 2, 12, 0, 0);

// "/Type /Page" opens each page object of the file; "/Type /Pages" is their tree.
int PdfPageCount(const std::string& pdf)
{
    int count = 0;
    const std::string mark = "/Type /Page";
    for (std::size_t at = pdf.find(mark); at != std::string::npos; at = pdf.find(mark, at + 1))
        count += pdf.compare(at, mark.size() + 1, mark + "s") != 0;
    return count;
}

std::vector<std::string> FilesIn(const std::string& directory)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    return names;
}

// A record with every kind of frame (seven general-view frames, three left and
// two right), and one with two middle-lane frames only.
class PrintCommandTest : public ::testing::Test {
protected:
    testsupport::TempDir temp;
    std::string root = temp.MakeDir("root");
    std::string outDirectory = temp.MakeDir("out");
    std::string out = outDirectory + "job.pdf";

    void SetUp() override
    {
        testsupport::WriteReviewRecord(root, {Full, 7, {3, 0, 2}, "2006-03-01 12:00:03.250", ""});
        testsupport::WriteReviewRecord(root, {MiddleOnly, 0, {0, 2, 0}, "", ""});
    }

    ToolResult Print(const std::string& record, const std::vector<std::string>& options,
                     const std::string& path) const
    {
        std::vector<std::string> arguments = {"print", record, path, "--root", root};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return RunTool(arguments, temp.Path());
    }
};

TEST_F(PrintCommandTest, PrintsThePagesOfTheChoice)
{
    const struct {
        std::vector<std::string> options;
        int pages;
    } cases[] = {
        {{"--general", "3-7"}, 3},
        {{"--general", "2"}, 1},
        {{"--general", "selected"}, 1},
        {{"--detailed", "selected"}, 1},
        {{"--detailed", "all"}, 5},
        {{"--detailed", "left:2-3,3:1-2"}, 4},
        {{"--detailed", "right:2", "--landscape"}, 1},
        // Four general-view pages of two frames, three lane frames, a records list and a subpoena.
        {{"--subpoena", "--general", "all", "--detailed", "1:1-3", "--records-list"}, 9},
        {{"--screen", "--correction", "1", "--gamma"}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.options));
        const ToolResult result = Print(Full, c.options, out);
        EXPECT_EQ(result.Status, 0) << result.Err;
        EXPECT_EQ(result.Err, "");
        EXPECT_EQ(result.Out, "pages\t" + std::to_string(c.pages) + "\n");
        const std::string pdf = testsupport::ReadFile(out);
        EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
        EXPECT_EQ(PdfPageCount(pdf), c.pages);
    }
    EXPECT_EQ(FilesIn(outDirectory), std::vector<std::string>{"job.pdf"});
}

// The detailed view's colour correction and gamma, set by their menu
// commands, reach the lane frame printed; the file holds nothing else that
// changes from one run to the next but its creation time.
TEST_F(PrintCommandTest, ColourCorrectionAndGammaReachTheLaneFramePage)
{
    const auto printed = [this](std::vector<std::string> options) {
        options.insert(options.end(), {"--detailed", "selected"});
        EXPECT_EQ(Print(Full, options, out).Status, 0);
        return std::regex_replace(testsupport::ReadFile(out), std::regex("/CreationDate \\([^)]*\\)"), "");
    };
    // Automatic correction takes the day gains for these bright frames.
    const std::string automatic = printed({});
    EXPECT_TRUE(printed({"--correction", "3"}) == automatic);
    EXPECT_TRUE(printed({"--correction", "1"}) == automatic);
    for (const auto& options :
         std::vector<std::vector<std::string>>{{"--correction", "0"}, {"--correction", "2"}, {"--gamma"}})
        EXPECT_TRUE(printed(options) != automatic) << options.back();
}

// Every refusal is a usage error of one line before the usage, and the file
// that was there stays as it was, with nothing left beside it.
TEST_F(PrintCommandTest, RefusedChoicesAreUsageErrorsThatWriteNothing)
{
    const struct {
        std::string record;
        std::vector<std::string> options;
        std::string message;
    } cases[] = {
        {Full, {}, "nothing to print: choose --general, --detailed, --records-list, --subpoena or --screen"},
        {Full, {"--general", "none", "--detailed", "none"},
         "nothing to print: choose --general, --detailed, --records-list, --subpoena or --screen"},
        {Full, {"--general", "some"}, "--general must be none, selected, FROM-TO or all: 'some'"},
        {Full, {"--general", "3-x"}, "--general TO: must be a whole number from 0 to 2147483647: 'x'"},
        {Full, {"--detailed", "left"}, "--detailed must be none, selected, LANE:FROM-TO,... or all: 'left'"},
        {Full, {"--detailed", "left:1-2,"}, "--detailed must be none, selected, LANE:FROM-TO,... or all: ''"},
        {Full, {"--detailed", "up:1-2"}, "--detailed LANE must be left, middle, right or 1 to 3: 'up'"},
        {Full, {"--detailed", "left:1-2,1:3"}, "--detailed names the left lane twice"},
        {Full, {"--screen", "--general", "all"}, "--screen prints the screen page alone"},
        {Full, {"--screen", "--subpoena"}, "--screen prints the screen page alone"},
        {Full, {"--records-list", "--correction", "day"}, "--correction: must be a whole number from 0 to 3: 'day'"},
        // The print selection's own range check, in its words.
        {Full, {"--detailed", "left:1-3,right:2-1"},
         "Error in the choice for the right lane. The frame number may be between 1 and 2."},
        // What the dialog does not offer for the record.
        {MiddleOnly, {"--general", "all"}, "--general all is not offered for this record"},
        {MiddleOnly, {"--detailed", "left:1"}, "--detailed: the record has no frames in the left lane"},
    };
    testsupport::WriteFile(out, "old");
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.options));
        const ToolResult result = Print(c.record, c.options, out);
        EXPECT_EQ(result.Status, 2);
        EXPECT_EQ(result.Out, "");
        EXPECT_TRUE(result.Err.starts_with("vantrel-tool print: " + c.message + "\nusage: vantrel-tool print NAME "))
            << result.Err;
        EXPECT_EQ(testsupport::ReadFile(out), "old");
    }
    EXPECT_EQ(FilesIn(outDirectory), std::vector<std::string>{"job.pdf"});
}

TEST_F(PrintCommandTest, FailuresEndWithOneLineAndNoFile)
{
    const ToolResult unknown = Print("2006-03-09 12-00-00", {"--general", "all"}, out);
    EXPECT_EQ(unknown.Status, 1);
    EXPECT_EQ(unknown.Err, "vantrel-tool: no record named '2006-03-09 12-00-00'\n");

    // A folder that is not there, and a folder in the file's place.
    std::string taken = temp.MakeDir("out/taken.pdf");
    taken.pop_back();
    for (const std::string& path : {outDirectory + "missing/job.pdf", taken}) {
        const ToolResult result = Print(Full, {"--detailed", "all"}, path);
        EXPECT_EQ(result.Status, 1) << path;
        EXPECT_EQ(result.Out, "") << path;
        EXPECT_EQ(result.Err, "vantrel-tool: " + path + ": cannot write the PDF\n") << path;
    }
    EXPECT_EQ(FilesIn(outDirectory), std::vector<std::string>{"taken.pdf"});
    EXPECT_FALSE(testsupport::Exists(out));
}

}  // namespace
