// The private note form and the command table on their own.
#include "config/CCodeNoteMap.h"
#include "document/CommandTable.h"
#include "document/PrivateNoteForm.h"

#include <gtest/gtest.h>

TEST(PrivateNoteForm, DescriptionFollowsTheCode)
{
    CCodeNoteMap map;
    map.SetNote(3, "speeding");
    PrivateNoteForm form(map, 3, "seen twice");
    EXPECT_EQ(form.Description(), "speeding");
    EXPECT_EQ(form.CodeText(), "3");
    EXPECT_TRUE(form.SetCodeText("4"));
    EXPECT_EQ(form.Description(), "");
    EXPECT_TRUE(form.SetCodeText(" 3 "));
    EXPECT_EQ(form.Description(), "speeding");

    EXPECT_TRUE(form.SetCodeText("+7"));
    EXPECT_TRUE(form.SetCodeText("-3"));
    for (const char* refused : {"x", "", "3a", "+-3", "+", "1 2", "2147483648"}) {
        EXPECT_FALSE(form.SetCodeText(refused)) << refused;
        EXPECT_EQ(form.Code(), -3);
    }
    EXPECT_EQ(form.Note(), "seen twice");
}

TEST(PrivateNoteForm, DescribingACodeStoresItAtOnce)
{
    CCodeNoteMap map;
    map.SetNote(1, "one");
    PrivateNoteForm form(map, 12, "");
    const CodeDescription start = form.DescriptionToEdit();
    EXPECT_EQ(start.CodeText, "12");
    EXPECT_EQ(start.Description, "");
    form.AcceptDescription("twelve");
    EXPECT_EQ(form.Description(), "twelve");
    EXPECT_EQ(map.GetNote(12), "twelve");
    EXPECT_EQ(map.GetCount(), 2) << "appended after code 1";

    form.SetCodeText("1");
    form.AcceptDescription("");
    EXPECT_EQ(map.GetNote(1), "") << "an empty description replaces the old one";
    EXPECT_EQ(map.GetCount(), 2);
}

TEST(CommandTable, AttachKeepsTheRuleUnlessGivenOne)
{
    CommandTable table;
    table.Define(7, "Seven");
    EXPECT_EQ(table.Query(7), CommandState{}) << "no handler, no command";
    int runs = 0;
    bool enabled = false;
    table.Attach(7, [&] { ++runs; }, [&] { return CommandState{enabled, true}; });
    EXPECT_FALSE(table.Run(7));
    enabled = true;
    EXPECT_TRUE(table.Run(7));
    table.Attach(7, [&] { runs += 10; });
    EXPECT_EQ(table.Query(7), (CommandState{true, true}));
    EXPECT_TRUE(table.Run(7));
    EXPECT_EQ(runs, 11);

    table.Define(7, "Again");
    EXPECT_EQ(table.Text(7), "Again");
    EXPECT_EQ(table.Ids(), std::vector<int>{7});
    table.Define(8, "");
    table.Attach(8, [&] { ++runs; });
    EXPECT_EQ(table.Query(8), (CommandState{true, false})) << "without a rule always enabled";
}

TEST(CommandTable, HandlerMayReplaceItselfWhileRunning)
{
    CommandTable table;
    table.Define(1, "");
    int second = 0;
    table.Attach(1, [&] { table.Attach(1, [&] { ++second; }); });
    EXPECT_TRUE(table.Run(1));
    EXPECT_TRUE(table.Run(1));
    EXPECT_EQ(second, 1);
}
