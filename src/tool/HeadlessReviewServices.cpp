#include "tool/HeadlessReviewServices.h"

bool HeadlessReviewServices::AskYesNo(const std::string&)
{
    return false;
}

void HeadlessReviewServices::ShowMessage(const std::string&, MessageIcon) {}

std::optional<std::string> HeadlessReviewServices::AskSavePath(const SaveFileRequest&)
{
    return std::nullopt;
}

bool HeadlessReviewServices::RunRecordInformation(RecordInformation&)
{
    return false;
}

bool HeadlessReviewServices::RunPrivateNote(PrivateNoteForm&)
{
    return false;
}

bool HeadlessReviewServices::RunPrintSelection(PrintSelectionForm&)
{
    return false;
}

void HeadlessReviewServices::SetPathName(const std::string&) {}

void HeadlessReviewServices::SetFullScreen(bool) {}
