// Private notes mode, marks, note editing and deleting, and the listing.
#include "ReviewDocumentFixture.h"

#include "document/CommandIds.h"
#include "document/PrivateNoteForm.h"
#include "document/UpdateHints.h"

using namespace testsupport;

class NoteCommands : public ReviewDocumentFixture {
protected:
    void SetUp() override
    {
        first = AddRecord(0);
        second = AddRecord(1);
        Open();
    }

    std::string first;  // note files
    std::string second;
};

TEST_F(NoteCommands, ModeQuestionYesSwitchesAndRefreshesNoChangesNothing)
{
    const std::string text = "Private notes.\nThis mode is intended\nfor internal usage by Orvane Solutions Ltd.\n\n"
                             "Mark\t0,1,..9\nEdit\tAlt+E\nDelete\tAlt+D\nListing\tAlt+L\n\nAre you sure you want to ";
    const struct { bool yes; int modeAfter; const char* question; } steps[] = {
        {false, 0, "enter"}, {true, 1, "enter"}, {false, 1, "exit"}, {true, 0, "exit"}};
    for (const auto& s : steps) {
        doc->SelectRecord(1);
        Forget();
        services.Answers.push_back(s.yes);
        doc->OnCommand(ID_PRIVATE_NOTES_MODE);
        EXPECT_EQ(services.Questions.back(), text + s.question + " this mode?");
        EXPECT_EQ(doc->PrivateNotesMode(), s.modeAfter == 1);
        EXPECT_EQ(doc->Records().NoteOrdering, s.modeAfter == 1);
        EXPECT_EQ(view.Hints(), s.yes ? std::vector<int>{HINT_ALL} : std::vector<int>{});
        EXPECT_EQ(doc->Records().SelectedIndex, s.yes ? 0 : 1) << "a refresh starts from the first row";
    }
}

TEST_F(NoteCommands, MarksWriteTheCodeAndKeepTheTextOnlyInTheModeAndOnlyOnARecord)
{
    WriteFile(first, "5 check\n");
    EXPECT_TRUE(doc->OnCommand(ID_MARK_0 + 3));
    EXPECT_TRUE(doc->OnCommand(ID_MARK_DELETE));
    EXPECT_EQ(ReadFile(first), "5 check\n") << "outside the mode the keys do nothing";
    EXPECT_TRUE(view.Updates.empty());

    services.Answers.push_back(true);
    doc->OnCommand(ID_PRIVATE_NOTES_MODE);
    Forget();
    doc->OnCommand(ID_MARK_0 + 3);
    EXPECT_EQ(ReadFile(first), "3 check\n");
    doc->SelectRecord(1);
    doc->OnCommand(ID_MARK_9);
    EXPECT_EQ(ReadFile(second), "9") << "a record without a note gets the digit alone";
    WriteFile(second, "garbage");
    doc->OnCommand(ID_MARK_0);
    EXPECT_EQ(ReadFile(second), "0") << "a malformed note is replaced";
    doc->OnCommand(ID_MARK_DELETE);
    EXPECT_FALSE(Exists(second));
    EXPECT_EQ(view.Hints(), (std::vector<int>{HINT_LIST, HINT_ALL, HINT_LIST, HINT_LIST, HINT_LIST}));

    doc->SelectRecord(-1);
    Forget();
    services.NoteScripts.push_back([](PrivateNoteForm&) { return true; });
    for (const int id : {ID_MARK_0 + 1, ID_MARK_DELETE, ID_NOTE_EDIT, ID_NOTE_DELETE})
        EXPECT_TRUE(doc->OnCommand(id));
    EXPECT_TRUE(view.Updates.empty());
    EXPECT_EQ(services.NoteScripts.size(), 1u) << "no dialog without a record";
}

TEST_F(NoteCommands, EditWritesOnOkOnlyAndDeleteWorksOutsideTheMode)
{
    codeNotes.SetNote(5, "five");
    WriteFile(first, "5 check\n");
    std::string described;
    services.NoteScripts.push_back([&](PrivateNoteForm& form) {
        described = form.Description();
        for (const char* refused : {"x", "3a", "+-3", "2147483648"})
            EXPECT_FALSE(form.SetCodeText(refused)) << refused;
        form.SetNote("again");
        return form.SetCodeText(" +7 ");
    });
    services.NoteScripts.push_back([](PrivateNoteForm& form) {
        form.SetCodeText("12");
        form.AcceptDescription("twelve");
        return false;
    });
    doc->OnCommand(ID_NOTE_EDIT);
    EXPECT_EQ(described, "five");
    EXPECT_EQ(ReadFile(first), "7 again\n");
    doc->OnCommand(ID_NOTE_EDIT);
    EXPECT_EQ(ReadFile(first), "7 again\n") << "cancelled";
    EXPECT_EQ(codeNotes.GetNote(12), "twelve") << "the description stays though the note was cancelled";
    doc->OnCommand(ID_NOTE_DELETE);
    EXPECT_FALSE(Exists(first));
    EXPECT_EQ(view.Hints(), (std::vector<int>{HINT_LIST, HINT_LIST}));
}

TEST_F(NoteCommands, ListingAsksForATextFileAndWritesIt)
{
    services.SavePaths = {dir.Path() + "list", std::nullopt, dir.Path() + "list.text"};
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(doc->OnCommand(ID_RECORDS_LISTING));
    const SaveFileRequest& request = services.SaveRequests.at(0);
    EXPECT_EQ(request.Filters, (std::vector<FileFilter>{{"Text files (.txt)", "*.txt"}, {"All (*.*)", "*.*"}}));
    EXPECT_EQ(request.DefaultExtension, "txt");
    EXPECT_TRUE(request.PromptOverwrite);
    EXPECT_NE(ReadFile(dir.Path() + "list.txt").find("0\t2006-03-01 12:00:00"), std::string::npos);
    EXPECT_TRUE(Exists(dir.Path() + "list.text")) << "a name with a dot keeps it";
    EXPECT_TRUE(view.Updates.empty());
}
