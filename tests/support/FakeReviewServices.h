#pragma once

#include "document/PrintSelectionError.h"
#include "document/RecordInformation.h"
#include "document/ReviewServices.h"
#include "document/SaveFileRequest.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

// The desktop as a script: each question, dialog and window request takes
// the next answer from its queue (an empty queue answers No, Cancel) and is
// logged in Events in the order it came.
class FakeReviewServices : public ReviewServices {
public:
    using InformationScript = std::function<bool(RecordInformation&)>;
    using NoteScript = std::function<bool(PrivateNoteForm&)>;
    using PrintScript = std::function<bool(PrintSelectionForm&)>;

    // Next answers.
    void AnswerYes() { yesNo_.push_back(true); }
    void AnswerNo() { yesNo_.push_back(false); }
    void NextSavePath(std::optional<std::string> path) { savePaths_.push_back(std::move(path)); }
    // OK with this site address, or Cancel without one.
    void NextInformation(std::optional<std::string> siteAddress);
    // The script plays the user (and whatever else happens while the dialog is open).
    void NextInformation(InformationScript script) { information_.push_back(std::move(script)); }
    // The script edits the form as a user would; its result is OK or Cancel.
    void NextPrivateNote(NoteScript script) { notes_.push_back(std::move(script)); }
    // As above; an OK whose form does not validate ends as the user's Cancel
    // after the error box, whose error goes to PrintErrors.
    void NextPrintSelection(PrintScript script) { prints_.push_back(std::move(script)); }

    bool AskYesNo(const std::string& text) override;
    void ShowMessage(const std::string& text, MessageIcon icon) override;
    std::optional<std::string> AskSavePath(const SaveFileRequest& request) override;
    bool RunRecordInformation(RecordInformation& information) override;
    bool RunPrivateNote(PrivateNoteForm& form) override;
    bool RunPrintSelection(PrintSelectionForm& form) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void SetPathName(const std::string& path) override;
    void StartPrintPreview() override;
    void SetFullScreen(bool on) override;
    void ShowMaximizedAndRedraw() override;
    bool PumpWaitingMessages() override;

    // What happened, in order: "AskYesNo", "ShowMessage", "AskSavePath",
    // "RecordInformation", "PrivateNote", "PrintSelection", "SetPathName",
    // "StartPrintPreview", "SetFullScreen(1)", "SetFullScreen(0)",
    // "ShowMaximizedAndRedraw", "PumpWaitingMessages". The wait cursor is
    // counted, not logged.
    std::vector<std::string> Events;
    std::vector<std::string> Questions;
    std::vector<std::string> Messages;
    std::vector<SaveFileRequest> SaveRequests;
    std::vector<RecordInformation> InformationShown;  // as the dialog opened
    std::vector<std::string> PathNames;
    std::vector<PrintSelectionError> PrintErrors;
    int WaitCursorDepth = 0;
    int WaitCursorShown = 0;
    int MaxWaitCursorDepth = 0;

    int Count(const std::string& event) const;

private:
    std::deque<bool> yesNo_;
    std::deque<std::optional<std::string>> savePaths_;
    std::deque<InformationScript> information_;
    std::deque<NoteScript> notes_;
    std::deque<PrintScript> prints_;
};

}  // namespace testsupport
