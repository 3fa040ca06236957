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

    // Where the name lies now: "root", "confirmed", "rejected", or more than one of them.
    std::string Places() const
    {
        std::string found;
        for (const auto& [place, label] :
             {std::pair{"", "root"}, {"!CONFIRMED/", "confirmed"}, {"!REJECTED/", "rejected"}})
            if (Exists(root + place + Name))
                found += (found.empty() ? "" : " ") + std::string(label);
        return found;
    }
};

// One record's life. Each button toggles its own decision and moves a record
// decided the other way straight across, its note with it. With a stray copy
// beside it the name alone is refused, whatever the command, and nothing
// moves or is written; --state says which one is meant. A move onto a name
// that is already there fails with the button's message.
TEST_F(DecisionAndNoteCommandTest, ButtonsMoveTheRecordAndANameInTwoPlacesNeedsItsState)
{
    MakeRecordDirectory(root, Name);
    testsupport::WriteNoteFile(root + Name + "/", "2 moved along\n");
    const std::string ambiguous = "vantrel-tool: ambiguous record name '" + Name + "'\n";
    const struct {
        std::vector<std::string> arguments;
        std::string err;  // the status is 1 with a message, else 0
        std::string places;
        const char* copyFirst = nullptr;  // where an empty directory of the name is made before the step
    } steps[] = {
        {{"confirm", Name}, "", "confirmed"}, {{"confirm", Name}, "", "root"}, {{"reject", Name}, "", "rejected"},
        {{"confirm", Name}, "", "confirmed"}, {{"reject", Name}, "", "rejected"}, {{"reject", Name}, "", "root"},
        {{"confirm", Name}, ambiguous, "root confirmed", "!CONFIRMED/"},
        {{"reject", Name}, ambiguous, "root confirmed"},
        {{"note", Name, "3", "stray"}, ambiguous, "root confirmed"},
        {{"note", Name, "--delete"}, ambiguous, "root confirmed"},
        {{"confirm", Name, "--state", "4"}, "vantrel-tool: no record named '" + Name + "'\n", "root confirmed"},
        {{"note", Name, "3", "stray", "--state", "2"}, "", "root confirmed"},
        {{"reject", "--state", "2", Name}, "", "root rejected"},
        {{"confirm", Name, "--state", "0"}, "", "confirmed rejected"},
        {{"note", Name}, ambiguous, "confirmed rejected"},
        {{"confirm", Name, "--state", "0"}, "File I/O error. The record may not be confirmed.\n",
         "root confirmed rejected", ""},
        {{"reject", Name, "--state", "0"}, "File I/O error. The record may not be rejected.\n",
         "root confirmed rejected"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(::testing::PrintToString(step.arguments));
        if (step.copyFirst)
            MakeRecordDirectory(root + step.copyFirst, Name);
        const ToolResult result = Run(step.arguments);
        EXPECT_EQ(result.Status, step.err.empty() ? 0 : 1);
        EXPECT_EQ(result.Out + result.Err, step.err);
        EXPECT_EQ(Places(), step.places);
    }
    EXPECT_EQ(testsupport::ReadFile(root + "!REJECTED/" + Name + "/PrivateNote.txt"), "3 stray\n");
    EXPECT_EQ(testsupport::ReadFile(root + "!CONFIRMED/" + Name + "/PrivateNote.txt"), "2 moved along\n");
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
