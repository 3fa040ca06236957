#include "RecordTreeWriter.h"
#include "TempDir.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using testsupport::Exists, testsupport::MakeRecordDirectory;

const std::string Name = "2006-03-01 10-00-00";

class DecisionAndNoteCommandTest : public ::testing::Test {
protected:
    testsupport::TempDir temp;
    std::string root = temp.MakeDir("root");

    ToolResult Run(std::vector<std::string> arguments) const
    {
        // Before the arguments, so that a "--" among them ends only the options.
        arguments.insert(arguments.begin() + 1, {"--root", root, "--settings", temp.Path() + "none"});
        return RunTool(arguments, temp.Path());
    }

    // Where the record lies now: "", "!CONFIRMED/" or "!REJECTED/"; "?" when lost or doubled.
    std::string Place() const
    {
        std::vector<std::string> found;
        for (const std::string place : {"", "!CONFIRMED/", "!REJECTED/"})
            if (Exists(root + place + Name))
                found.push_back(place);
        return found.size() == 1 ? found[0] : "?";
    }
};

// Each button toggles its own decision and moves a record decided the other
// way straight across, its note with it.
TEST_F(DecisionAndNoteCommandTest, ButtonsMoveTheRecord)
{
    MakeRecordDirectory(root, Name);
    testsupport::WriteNoteFile(root + Name + "/", "2 moved along\n");
    const std::pair<std::string, std::string> steps[] = {
        {"confirm", "!CONFIRMED/"}, {"confirm", ""}, {"reject", "!REJECTED/"},
        {"confirm", "!CONFIRMED/"}, {"reject", "!REJECTED/"}, {"reject", ""},
    };
    for (const auto& [command, place] : steps) {
        const ToolResult result = Run({command, Name});
        EXPECT_EQ(result.Status, 0) << result.Err;
        EXPECT_EQ(result.Out + result.Err, "");
        EXPECT_EQ(Place(), place) << command;
    }
    EXPECT_EQ(testsupport::ReadFile(root + Name + "/PrivateNote.txt"), "2 moved along\n");
}

TEST_F(DecisionAndNoteCommandTest, AMoveOntoAnExistingNameFailsWithTheButtonsMessage)
{
    MakeRecordDirectory(root, Name);
    MakeRecordDirectory(root + "!CONFIRMED/", Name);
    MakeRecordDirectory(root + "!REJECTED/", Name);
    for (const std::string decision : {"confirm", "reject"}) {
        const ToolResult result = Run({decision, Name});
        EXPECT_EQ(result.Status, 1);
        EXPECT_EQ(result.Err, "File I/O error. The record may not be " + decision + "ed.\n");
    }
    for (const std::string place : {"", "!CONFIRMED/", "!REJECTED/"})
        EXPECT_TRUE(Exists(root + place + Name));
}

// Writing, marking (which keeps the text), reading and deleting, in turn.
TEST_F(DecisionAndNoteCommandTest, NotesAreWrittenAsMarkingAndEditingDo)
{
    MakeRecordDirectory(root + "!REJECTED/", "2006-03-01 10-00-00");
    const std::string file = root + "!REJECTED/" + Name + "/PrivateNote.txt";
    const struct {
        std::vector<std::string> arguments;
        std::string out;
        std::string file;  // "-" when there is none
    } steps[] = {
        {{"note", Name, "7"}, "", "7"},
        {{"note", Name, "4", "Wrong\tplate"}, "", "4 Wrongplate\n"},
        {{"note", Name, "-3"}, "", "-3 Wrongplate\n"},
        {{"note", Name}, "-3\tWrongplate\n", "-3 Wrongplate\n"},
        {{"note", Name, "5", "--", "-dash"}, "", "5 -dash\n"},
        {{"note", Name, "--delete"}, "", "-"},
    };
    for (const auto& step : steps) {
        const ToolResult result = Run(step.arguments);
        EXPECT_EQ(result.Status, 0) << result.Err;
        EXPECT_EQ(result.Out, step.out);
        EXPECT_EQ(Exists(file) ? testsupport::ReadFile(file) : "-", step.file);
    }
}

// A note file without a number, or a pipe in its place (which must not block
// the reading), is no note: listed without a code, shown as an error, and
// replaced by marking.
TEST_F(DecisionAndNoteCommandTest, AnUnreadableNoteFails)
{
    const std::string note = MakeRecordDirectory(root, Name) + "PrivateNote.txt";
    for (const bool pipe : {false, true}) {
        SCOPED_TRACE(pipe ? "pipe" : "no number");
        std::filesystem::remove(note);
        if (pipe)
            ASSERT_EQ(mkfifo(note.c_str(), 0600), 0);
        else
            testsupport::WriteFile(note, "no number");
        EXPECT_EQ(Lines(Run({"list", "--notes", "--sort", "type"}).Out),
                  (std::vector<std::string>{"01-03-2006 10:00:00\t0\t" + Name}));
        const ToolResult result = Run({"note", Name});
        EXPECT_EQ(result.Status, 1);
        EXPECT_EQ(result.Out, "");
        EXPECT_EQ(result.Err, "vantrel-tool: '" + Name + "' has no readable private note\n");
        EXPECT_EQ(Run({"note", Name, "2"}).Status, 0);
        EXPECT_EQ(testsupport::ReadFile(note), "2");
    }
}

}  // namespace
