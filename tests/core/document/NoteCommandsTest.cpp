// Private notes mode, marks, note editing and deleting, and the listing.
#include "ReviewDocumentFixture.h"

#include "RecordTreeWriter.h"

#include "document/CommandIds.h"
#include "document/PrivateNoteForm.h"
#include "document/UpdateHints.h"

namespace {

const std::string ModeText =
    "Private notes.\nThis mode is intended\nfor internal usage by Orvane Solutions Ltd.\n\n"
    "Mark\t0,1,..9\nEdit\tAlt+E\nDelete\tAlt+D\nListing\tAlt+L\n\n";

class NoteCommands : public ReviewDocumentFixture {
protected:
    void SetUp() override
    {
        first = AddRecord(0);
        second = AddRecord(1);
        Open();
    }

    void EnterMode()
    {
        services.AnswerYes();
        doc->OnCommand(ID_PRIVATE_NOTES_MODE);
        view.Clear();
        services.Events.clear();
    }

    std::string NoteFile(const std::string& record) const { return record + "PrivateNote.txt"; }

    std::string first;
    std::string second;
};

}  // namespace

TEST_F(NoteCommands, ModeQuestionNoChangesNothing)
{
    doc->SelectRecord(1);
    view.Clear();
    EXPECT_TRUE(doc->OnCommand(ID_PRIVATE_NOTES_MODE));
    EXPECT_EQ(services.Questions, std::vector<std::string>{ModeText + "Are you sure you want to enter this mode?"});
    EXPECT_EQ(doc->PrivateNotesMode, 0);
    EXPECT_TRUE(Updates().empty());
    EXPECT_EQ(doc->Records.SelectedIndex, 1);
}

TEST_F(NoteCommands, ModeQuestionYesSwitchesAndRefreshesFromTheFirstRow)
{
    doc->SelectRecord(1);
    view.Clear();
    services.AnswerYes();
    doc->OnCommand(ID_PRIVATE_NOTES_MODE);
    EXPECT_EQ(doc->PrivateNotesMode, 1);
    EXPECT_TRUE(doc->Records.NoteOrdering);
    EXPECT_EQ(doc->Records.SelectedIndex, 0);
    EXPECT_EQ(Hints(), std::vector<int>{HINT_ALL});

    services.AnswerYes();
    doc->OnCommand(ID_PRIVATE_NOTES_MODE);
    EXPECT_EQ(services.Questions.back(), ModeText + "Are you sure you want to exit this mode?");
    EXPECT_EQ(doc->PrivateNotesMode, 0);
    EXPECT_FALSE(doc->Records.NoteOrdering);
}

TEST_F(NoteCommands, MarksWriteTheCodeAndKeepTheTextOnlyInTheMode)
{
    testsupport::WriteNoteFile(first, "5 check\n");
    EXPECT_TRUE(doc->OnCommand(ID_MARK_0 + 3));
    EXPECT_TRUE(doc->OnCommand(ID_MARK_DELETE));
    EXPECT_EQ(testsupport::ReadFile(NoteFile(first)), "5 check\n") << "outside the mode keys do nothing";
    EXPECT_TRUE(Updates().empty());

    EnterMode();
    doc->OnCommand(ID_MARK_0 + 3);
    EXPECT_EQ(testsupport::ReadFile(NoteFile(first)), "3 check\n");
    EXPECT_EQ(Hints(), std::vector<int>{HINT_LIST});

    doc->SelectRecord(1);
    doc->OnCommand(ID_MARK_9);
    EXPECT_EQ(testsupport::ReadFile(NoteFile(second)), "9") << "a record without a note gets the digit alone";
    testsupport::WriteFile(NoteFile(second), "garbage");
    doc->OnCommand(ID_MARK_0);
    EXPECT_EQ(testsupport::ReadFile(NoteFile(second)), "0") << "a malformed note is replaced";

    view.Clear();
    doc->OnCommand(ID_MARK_DELETE);
    EXPECT_FALSE(testsupport::Exists(NoteFile(second)));
    EXPECT_EQ(Hints(), std::vector<int>{HINT_LIST});
}

TEST_F(NoteCommands, EditWritesOnOkOnlyAndShowsTheCodeDescription)
{
    codeNotes.SetNote(5, "five");
    codeNotes.SetNote(7, "seven");
    testsupport::WriteNoteFile(first, "5 check\n");
    std::string shownDescription;
    services.NextPrivateNote([&](PrivateNoteForm& form) {
        shownDescription = form.Description();
        form.SetCodeText("7");
        form.SetNote("again");
        return true;
    });
    EXPECT_TRUE(doc->OnCommand(ID_NOTE_EDIT));
    EXPECT_EQ(shownDescription, "five");
    EXPECT_EQ(testsupport::ReadFile(NoteFile(first)), "7 again\n");
    EXPECT_EQ(Hints(), std::vector<int>{HINT_LIST});

    view.Clear();
    services.NextPrivateNote([](PrivateNoteForm& form) {
        form.SetCodeText("12");
        form.AcceptDescription("twelve");
        return false;
    });
    doc->OnCommand(ID_NOTE_EDIT);
    EXPECT_EQ(testsupport::ReadFile(NoteFile(first)), "7 again\n");
    EXPECT_EQ(codeNotes.GetNote(12), "twelve") << "the description stays though the note was cancelled";
    EXPECT_TRUE(Updates().empty());
}

TEST_F(NoteCommands, EditAndDeleteWorkInAndOutOfTheMode)
{
    for (const bool mode : {false, true}) {
        if (mode)
            EnterMode();
        testsupport::WriteNoteFile(first, "2\n");
        services.NextPrivateNote([](PrivateNoteForm& form) { return form.SetCodeText("4"); });
        doc->OnCommand(ID_NOTE_EDIT);
        EXPECT_EQ(testsupport::ReadFile(NoteFile(first)), "4");
        view.Clear();
        doc->OnCommand(ID_NOTE_DELETE);
        EXPECT_FALSE(testsupport::Exists(NoteFile(first)));
        EXPECT_EQ(Hints(), std::vector<int>{HINT_LIST});
    }
}

TEST_F(NoteCommands, NoteCommandsWithoutASelectionDoNothing)
{
    EnterMode();
    doc->SelectRecord(-1);
    view.Clear();
    for (const int id : {ID_MARK_0 + 1, ID_MARK_DELETE, ID_NOTE_EDIT, ID_NOTE_DELETE})
        EXPECT_TRUE(doc->OnCommand(id));
    EXPECT_TRUE(Updates().empty());
    EXPECT_TRUE(services.Events.empty()) << "no dialog without a record";
    EXPECT_FALSE(testsupport::Exists(NoteFile(first)));
}

TEST_F(NoteCommands, ListingAsksForATextFileAndWritesIt)
{
    services.NextSavePath(dir.Path() + "list");
    EXPECT_TRUE(doc->OnCommand(ID_RECORDS_LISTING));
    ASSERT_EQ(services.SaveRequests.size(), 1u);
    const SaveFileRequest& request = services.SaveRequests[0];
    EXPECT_EQ(request.Filters, (std::vector<FileFilter>{{"Text files (.txt)", "*.txt"}, {"All (*.*)", "*.*"}}));
    EXPECT_EQ(request.DefaultExtension, "txt");
    EXPECT_TRUE(request.PromptOverwrite);
    EXPECT_TRUE(request.InitialName.empty());
    const std::string listing = testsupport::ReadFile(dir.Path() + "list.txt");
    EXPECT_NE(listing.find("\n" + dir.Path() + "\n\n"), std::string::npos);
    EXPECT_NE(listing.find("0\t2006-03-01 12:00:00"), std::string::npos);
    EXPECT_TRUE(Updates().empty());

    doc->OnCommand(ID_RECORDS_LISTING);  // cancelled
    EXPECT_EQ(services.SaveRequests.size(), 2u);
}
