#pragma once

#include "document/ReviewServices.h"

// The desktop as a command line has it: no window, no cursor, and every
// question and dialog answered by cancelling it.
class HeadlessReviewServices : public ReviewServices {
public:
    bool AskYesNo(const std::string& text) override;
    void ShowMessage(const std::string& text, MessageIcon icon) override;
    std::optional<std::string> AskSavePath(const SaveFileRequest& request) override;
    bool RunRecordInformation(RecordInformation& information) override;
    bool RunPrivateNote(PrivateNoteForm& form) override;
    bool RunPrintSelection(PrintSelectionForm& form) override;
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void SetPathName(const std::string& path) override;
    void StartPrintPreview() override {}
    void SetFullScreen(bool on) override;
    void ShowMaximizedAndRedraw() override {}
    bool PumpWaitingMessages() override { return true; }
};
