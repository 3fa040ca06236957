#include "RecordTreeWriter.h"
#include "TempDir.h"
#include "ToolProcess.h"

#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testsupport::MakeRecordDirectory;

// Four records over two days, in all three places, two with notes; the
// confirmed directory is named by the settings file.
class ListCommandTest : public ::testing::Test {
protected:
    testsupport::TempDir temp;
    std::string root = temp.MakeDir("root");

    void SetUp() override
    {
        testsupport::WriteNoteFile(MakeRecordDirectory(root, "2006-03-01 10-00-00"), "3 checked\n");
        MakeRecordDirectory(root, "2006-03-02 07-00-00");
        testsupport::WriteNoteFile(MakeRecordDirectory(root + "Done/", "2006-03-01 09-00-00"), "0");
        MakeRecordDirectory(root + "!REJECTED/", "2006-03-02 08-00-00");
        MakeRecordDirectory(root + "!CONFIRMED/", "2006-03-01 08-00-00");
        CVantrelSettings settings;
        settings.RootDirectory = "root";
        settings.ConfirmedDirectory = "Done";
        ASSERT_EQ(settings.SaveSettings(temp.Path() + "VantrelControl.settings"), 1);
    }

    std::vector<std::string> List(const std::vector<std::string>& options) const
    {
        std::vector<std::string> arguments = {"list"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const ToolResult result = RunTool(arguments, temp.Path());
        EXPECT_EQ(result.Status, 0) << result.Err;
        EXPECT_EQ(result.Err, "");
        return Lines(result.Out);
    }
};

TEST_F(ListCommandTest, ListsTheVisibleRowsAsThePaneDoes)
{
    const struct {
        std::vector<std::string> options;
        std::vector<std::string> lines;
    } cases[] = {
        {{},
         {"01-03-2006 09:00:00\t2\t2006-03-01 09-00-00", "01-03-2006 10:00:00\t0\t2006-03-01 10-00-00",
          "02-03-2006 07:00:00\t0\t2006-03-02 07-00-00", "02-03-2006 08:00:00\t4\t2006-03-02 08-00-00"}},
        {{"--sort", "type", "--notes"},
         {"02-03-2006 07:00:00\t0\t2006-03-02 07-00-00", "01-03-2006 10:00:00(3)+\t0\t2006-03-01 10-00-00",
          "01-03-2006 09:00:00(0)\t2\t2006-03-01 09-00-00", "02-03-2006 08:00:00\t4\t2006-03-02 08-00-00"}},
        {{"--mask", "14", "--day", "2006-03-02"},
         {"02-03-2006 07:00:00\t0\t2006-03-02 07-00-00", "02-03-2006 08:00:00\t4\t2006-03-02 08-00-00"}},
        // With the default settings "!CONFIRMED" holds the confirmed records.
        {{"--root", root, "--settings", temp.Path() + "none"},
         {"01-03-2006 08:00:00\t2\t2006-03-01 08-00-00", "01-03-2006 10:00:00\t0\t2006-03-01 10-00-00",
          "02-03-2006 07:00:00\t0\t2006-03-02 07-00-00", "02-03-2006 08:00:00\t4\t2006-03-02 08-00-00"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(List(c.options), c.lines) << ::testing::PrintToString(c.options);
}

TEST_F(ListCommandTest, ExportWritesTheListingWithTheLegend)
{
    CCodeNoteMap codeNotes;
    codeNotes.SetNote(3, "Checked twice");
    codeNotes.SetNote(4, "");
    ASSERT_EQ(codeNotes.SaveCodeNotes(temp.Path() + "VantrelControl.codenote"), 1);

    const ToolResult result = RunTool({"export", "listing"}, temp.Path());
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(result.Out, "");
    const std::vector<std::string> lines = Lines(testsupport::ReadFile(temp.Path() + "listing.txt"));
    // How each line reads is the listing's own affair; here what the working directory's files decide.
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], "3\tChecked twice");
    EXPECT_EQ(lines[7], "root/Done");
}

}  // namespace
