#pragma once

#include "document/PrintPreview.h"
#include "document/PrintSelectionForm.h"
#include "document/RecordInformation.h"
#include "document/ReviewServices.h"
#include "document/ThumbnailLoaderLock.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

// The desktop as a script: each question and dialog takes the next answer
// from its queue (an empty queue answers No or Cancel); a dialog's script
// plays the user on the form and returns OK or Cancel. Window requests, print
// previews and the loader lock are logged in Events in the order they came.
class FakeReviewServices : public ReviewServices, public PrintPreview, public ThumbnailLoaderLock {
public:
    std::deque<bool> Answers;
    std::deque<std::optional<std::string>> SavePaths;
    std::deque<std::function<bool(RecordInformation&)>> InformationScripts;
    std::deque<std::function<bool(PrivateNoteForm&)>> NoteScripts;
    std::deque<std::function<bool(PrintSelectionForm&)>> PrintScripts;

    std::vector<std::string> Events;
    std::vector<std::string> Questions;
    std::vector<SaveFileRequest> SaveRequests;
    std::vector<RecordInformation> InformationShown;  // as the dialog opened
    int WaitCursors = 0;  // how often it was shown: once for each rendering

    bool AskYesNo(const std::string& text) override
    {
        Questions.push_back(text);
        return Take(Answers);
    }
    void ShowMessage(const std::string& text, MessageIcon) override { Events.push_back("ShowMessage " + text); }
    std::optional<std::string> AskSavePath(const SaveFileRequest& request) override
    {
        SaveRequests.push_back(request);
        return Take(SavePaths);
    }
    bool RunRecordInformation(RecordInformation& information) override
    {
        InformationShown.push_back(information);
        return Run(InformationScripts, information);
    }
    bool RunPrivateNote(PrivateNoteForm& form) override { return Run(NoteScripts, form); }
    bool RunPrintSelection(PrintSelectionForm& form) override
    {
        Events.push_back("PrintSelection");
        return Run(PrintScripts, form);
    }
    void BeginWaitCursor() override { ++WaitCursors; }
    void EndWaitCursor() override {}
    void SetPathName(const std::string& path) override { Events.push_back("SetPathName " + path); }
    void StartPrintPreview() override { Events.push_back("StartPrintPreview"); }
    void Lock() override { Events.push_back("Lock"); }
    void Unlock() override { Events.push_back("Unlock"); }
    void SetFullScreen(bool on) override { Events.push_back(on ? "SetFullScreen(1)" : "SetFullScreen(0)"); }
    void ShowMaximizedAndRedraw() override { Events.push_back("ShowMaximizedAndRedraw"); }
    bool PumpWaitingMessages() override
    {
        Events.push_back("PumpWaitingMessages");
        return true;
    }

private:
    template <typename T>
    static T Take(std::deque<T>& queue)
    {
        if (queue.empty())
            return T{};
        T next = std::move(queue.front());
        queue.pop_front();
        return next;
    }

    template <typename Form>
    static bool Run(std::deque<std::function<bool(Form&)>>& scripts, Form& form)
    {
        const std::function<bool(Form&)> script = Take(scripts);
        return script && script(form);
    }
};

}  // namespace testsupport
