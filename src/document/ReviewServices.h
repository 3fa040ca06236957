#pragma once

#include "document/SaveFileRequest.h"

#include <optional>
#include <string>

class PrintSelectionForm;
class PrivateNoteForm;
struct RecordInformation;

// Everything the document needs from the desktop and cannot do itself. The
// desktop layer implements it with real dialogs and windows; tests script it.
// Dialogs get the core's forms, which hold all their logic; a dialog only
// shows a form and passes the user's edits to it.
class ReviewServices {
public:
    enum class MessageIcon { Information, Warning, Error };

    virtual ~ReviewServices() = default;

    // A message box with the question icon and the buttons Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    // A message box with an OK button and the title "Vantrel".
    virtual void ShowMessage(const std::string& text, MessageIcon icon) = 0;
    // The save dialog owned by the main window; none when it was cancelled.
    virtual std::optional<std::string> AskSavePath(const SaveFileRequest& request) = 0;

    // The modal record information dialog; true for OK, with the site
    // address as the user left it.
    virtual bool RunRecordInformation(RecordInformation& information) = 0;
    // The modal private note dialog; true for OK.
    virtual bool RunPrivateNote(PrivateNoteForm& form) = 0;
    // The modal print selection dialog; true for OK, which it accepts only
    // when the form validates.
    virtual bool RunPrintSelection(PrintSelectionForm& form) = 0;

    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    // The document's path name changed: the main window's title follows it
    // and it goes to the top of the recent-files list.
    virtual void SetPathName(const std::string& path) = 0;
    // The main frame's full-screen form on or off.
    virtual void SetFullScreen(bool on) = 0;
    // Shows the main window maximised and repaints it at once.
    virtual void ShowMaximizedAndRedraw() = 0;
    // Lets the waiting window messages run, then the idle processing; false
    // when the application is quitting.
    virtual bool PumpWaitingMessages() = 0;
};
