#include "FakeReviewServices.h"

#include "document/PrintSelectionForm.h"
#include "document/PrivateNoteForm.h"

#include <algorithm>

namespace testsupport {

namespace {

template <typename T>
std::optional<T> Take(std::deque<T>& queue)
{
    if (queue.empty())
        return std::nullopt;
    T next = std::move(queue.front());
    queue.pop_front();
    return next;
}

}  // namespace

bool FakeReviewServices::AskYesNo(const std::string& text)
{
    Events.push_back("AskYesNo");
    Questions.push_back(text);
    return Take(yesNo_).value_or(false);
}

void FakeReviewServices::ShowMessage(const std::string& text, MessageIcon)
{
    Events.push_back("ShowMessage");
    Messages.push_back(text);
}

std::optional<std::string> FakeReviewServices::AskSavePath(const SaveFileRequest& request)
{
    Events.push_back("AskSavePath");
    SaveRequests.push_back(request);
    return Take(savePaths_).value_or(std::nullopt);
}

void FakeReviewServices::NextInformation(std::optional<std::string> siteAddress)
{
    NextInformation([siteAddress](RecordInformation& information) {
        if (siteAddress)
            information.SiteAddress = *siteAddress;
        return siteAddress.has_value();
    });
}

bool FakeReviewServices::RunRecordInformation(RecordInformation& information)
{
    Events.push_back("RecordInformation");
    InformationShown.push_back(information);
    const std::optional<InformationScript> script = Take(information_);
    return script && (*script)(information);
}

bool FakeReviewServices::RunPrivateNote(PrivateNoteForm& form)
{
    Events.push_back("PrivateNote");
    const std::optional<NoteScript> script = Take(notes_);
    return script && (*script)(form);
}

bool FakeReviewServices::RunPrintSelection(PrintSelectionForm& form)
{
    Events.push_back("PrintSelection");
    const std::optional<PrintScript> script = Take(prints_);
    if (!script || !(*script)(form))
        return false;
    if (const std::optional<PrintSelectionError> error = form.Validate()) {
        PrintErrors.push_back(*error);
        return false;
    }
    return true;
}

void FakeReviewServices::BeginWaitCursor()
{
    ++WaitCursorShown;
    MaxWaitCursorDepth = std::max(MaxWaitCursorDepth, ++WaitCursorDepth);
}

void FakeReviewServices::EndWaitCursor()
{
    --WaitCursorDepth;
}

void FakeReviewServices::SetPathName(const std::string& path)
{
    Events.push_back("SetPathName");
    PathNames.push_back(path);
}

void FakeReviewServices::StartPrintPreview()
{
    Events.push_back("StartPrintPreview");
}

void FakeReviewServices::SetFullScreen(bool on)
{
    Events.push_back(on ? "SetFullScreen(1)" : "SetFullScreen(0)");
}

void FakeReviewServices::ShowMaximizedAndRedraw()
{
    Events.push_back("ShowMaximizedAndRedraw");
}

bool FakeReviewServices::PumpWaitingMessages()
{
    Events.push_back("PumpWaitingMessages");
    return true;
}

int FakeReviewServices::Count(const std::string& event) const
{
    return static_cast<int>(std::count(Events.begin(), Events.end(), event));
}

}  // namespace testsupport
