#include "document/CVantrelDoc.h"

#include "document/CommandIds.h"
#include "document/PrivateNoteForm.h"
#include "document/ReviewServices.h"
#include "document/UpdateHints.h"
#include "records/RecordsListing.h"

namespace {

const char* const ModeMessage =
    "Private notes.\nThis mode is intended\nfor internal usage by Orvane Solutions Ltd.\n\n"
    "Mark\t0,1,..9\nEdit\tAlt+E\nDelete\tAlt+D\nListing\tAlt+L\n\n";

SaveFileRequest ListingSaveRequest()
{
    SaveFileRequest request;
    request.Filters = {{"Text files (.txt)", "*.txt"}, {"All (*.*)", "*.*"}};
    request.DefaultExtension = "txt";
    request.PromptOverwrite = true;
    return request;
}

}  // namespace

void CVantrelDoc::OnPrivateNotesMode(int)
{
    const std::string question = privateNotesMode_ ? "Are you sure you want to exit this mode?"
                                                  : "Are you sure you want to enter this mode?";
    if (!services_.AskYesNo(ModeMessage + question))
        return;
    privateNotesMode_ = !privateNotesMode_;
    records_.NoteOrdering = privateNotesMode_;
    Refresh();
}

void CVantrelDoc::OnMark(int id)
{
    if (!privateNotesMode_ || !HasSelection())
        return;
    // A missing or malformed note reads as code 0 with no text, and is replaced.
    PrivateNote note;
    records_.ReadNote(records_.SelectedIndex, note);
    records_.WriteNote(records_.SelectedIndex, id - ID_MARK_0, note.NoteText);
    UpdateAllViews(HINT_LIST);
}

void CVantrelDoc::OnMarkDelete(int id)
{
    if (privateNotesMode_)
        OnNoteDelete(id);
}

void CVantrelDoc::OnNoteEdit(int)
{
    if (!HasSelection())
        return;
    PrivateNote note;
    records_.ReadNote(records_.SelectedIndex, note);
    PrivateNoteForm form(codeNotes_, note.NoteCode, note.NoteText);
    if (!services_.RunPrivateNote(form))
        return;
    records_.WriteNote(records_.SelectedIndex, form.Code(), form.Note());
    UpdateAllViews(HINT_LIST);
}

void CVantrelDoc::OnNoteDelete(int)
{
    if (!HasSelection())
        return;
    records_.DeleteNote(records_.SelectedIndex);
    UpdateAllViews(HINT_LIST);
}

void CVantrelDoc::OnRecordsListing(int)
{
    const std::optional<std::string> path = services_.AskSavePath(ListingSaveRequest());
    if (path)
        WriteRecordsListing(records_, codeNotes_, *path);
}
