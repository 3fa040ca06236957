#include "TempDir.h"
#include "ToolProcess.h"

#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ConfigurationCommandTest, SettingsLookUpSitesWithAddingAndSave)
{
    const testsupport::TempDir temp;
    CVantrelSettings settings;
    settings.RootDirectory = "/data/records";
    settings.RejectedDirectory = "Nein";
    settings.SiteList.push_back({{0x00, 0x11, 0x22, 0x33, 0x44, 0x55}, "Main Street"});
    ASSERT_EQ(settings.SaveSettings(temp.Path() + "VantrelControl.settings"), 1);

    const std::string saved = temp.Path() + "saved.settings";
    const ToolResult result = RunTool(
        {"settings", "--site", "aa:bb:cc:dd:ee:ff", "--site", "00:11:22:33:44:55", "--save", saved}, temp.Path());
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(result.Err, "");
    EXPECT_EQ(Lines(result.Out),
              (std::vector<std::string>{"version\t2", "root\t/data/records", "confirmed\t!CONFIRMED", "rejected\tNein",
                                        "site\t00:11:22:33:44:55\tMain Street", "site\tAA:BB:CC:DD:EE:FF\t"}));
    EXPECT_EQ(Lines(RunTool({"settings", "--settings", saved}).Out), Lines(result.Out));
}

// A file that does not load is reported with status 1; the defaults are
// printed and saved all the same.
TEST(ConfigurationCommandTest, AFailedSettingsLoadPrintsItsErrorAndTheDefaults)
{
    const testsupport::TempDir temp;
    const std::string broken = temp.Path() + "broken.settings", saved = temp.Path() + "defaults.settings";
    testsupport::WriteFile(broken, "<VantrelControl><Version>");
    for (const std::string& path : {broken, temp.Path() + "missing.settings"}) {
        const ToolResult result = RunTool({"settings", "--settings", path, "--save", saved});
        EXPECT_EQ(result.Status, 1);
        EXPECT_TRUE(result.Err.starts_with("Error in the imput file:\n" + path + "\nSyntax error in the contets"))
            << result.Err;
        EXPECT_EQ(Lines(result.Out),
                  (std::vector<std::string>{"version\t2", "root\t./", "confirmed\t!CONFIRMED", "rejected\t!REJECTED"}));
        CVantrelSettings reloaded;
        EXPECT_EQ(reloaded.LoadSettings(saved), 1);
    }
}

TEST(ConfigurationCommandTest, CodeNotesAreDescribedAndSavedAfterAFailedLoadToo)
{
    const testsupport::TempDir temp;
    const std::string saved = temp.Path() + "saved.codenote";
    const ToolResult failed = RunTool({"codenotes", "--set", "1=One", "--save", saved}, temp.Path());
    EXPECT_EQ(failed.Status, 1);
    EXPECT_TRUE(failed.Err.starts_with("Error in the imput file:\nVantrelControl.codenote\n")) << failed.Err;
    EXPECT_EQ(Lines(failed.Out), (std::vector<std::string>{"version\t0", "code\t1\tOne"}));

    CCodeNoteMap codeNotes;
    codeNotes.Version = 4;
    codeNotes.SetNote(3, "Three");
    codeNotes.SetNote(1, "One");
    ASSERT_EQ(codeNotes.SaveCodeNotes(temp.Path() + "VantrelControl.codenote"), 1);
    const ToolResult result = RunTool(
        {"codenotes", "--set", "7=Seven = 7", "--set", "3=", "--set", "-2=Minus", "--save", saved}, temp.Path());
    EXPECT_EQ(result.Status, 0);
    const std::vector<std::string> expected = {"version\t4", "code\t3\t", "code\t1\tOne", "code\t7\tSeven = 7",
                                               "code\t-2\tMinus"};
    EXPECT_EQ(Lines(result.Out), expected);
    EXPECT_EQ(Lines(RunTool({"codenotes", "--codenotes", saved}).Out), expected);
}

}  // namespace
