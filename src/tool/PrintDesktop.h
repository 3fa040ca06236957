#pragma once

#include "document/PrintPreview.h"
#include "document/ReviewServices.h"

#include <optional>
#include <string>

class PrintChoices;

// The desktop the document sees while `print` runs: the print selection
// dialog is played from the command's choices, and the print preview, where
// every job starts, only notes that the job is to be printed. There is nobody
// to ask: questions are answered No and the other dialogs are cancelled.
class PrintDesktop final : public ReviewServices, public PrintPreview {
public:
    explicit PrintDesktop(const PrintChoices& choices) : choices_(choices) {}

    bool JobStarted() const { return jobStarted_; }
    // Why the print selection was not accepted; none when it was, or never shown.
    const std::optional<std::string>& Refusal() const { return refusal_; }

    void StartPrintPreview() override { jobStarted_ = true; }

    bool RunPrintSelection(PrintSelectionForm& form) override;
    bool AskYesNo(const std::string&) override { return false; }
    // On standard error, as one line.
    void ShowMessage(const std::string& text, MessageIcon icon) override;
    std::optional<std::string> AskSavePath(const SaveFileRequest&) override { return std::nullopt; }
    bool RunRecordInformation(RecordInformation&) override { return false; }
    bool RunPrivateNote(PrivateNoteForm&) override { return false; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void SetPathName(const std::string&) override {}
    // The offscreen window stays in its normal form; there is nothing to change.
    void SetFullScreen(bool) override {}
    void ShowMaximizedAndRedraw() override {}
    bool PumpWaitingMessages() override;

private:
    const PrintChoices& choices_;
    bool jobStarted_ = false;
    std::optional<std::string> refusal_;
};
