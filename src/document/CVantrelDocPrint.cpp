#include "document/CVantrelDoc.h"

#include "config/CVantrelSettings.h"
#include "document/PrintSelectionForm.h"
#include "document/RecordInformation.h"
#include "document/ReviewServices.h"
#include "document/UpdateHints.h"

void CVantrelDoc::OnRecordInformation(int)
{
    if (!HasSelection() || !Records.Content.Mac)
        return;
    const MacAddress mac = *Records.Content.Mac;
    RecordInformation information = RecordInformation::For(Records.Content, *settings_.LookupSite(mac, true));
    if (!services_.RunRecordInformation(information))
        return;
    // Looked up again: panes painting behind the dialog may have added sites,
    // which moves the entries of the list.
    settings_.LookupSite(mac, true)->address = information.SiteAddress;
    UpdateAllViews(HINT_ALL);
}

int CVantrelDoc::SelectedCount(int list) const
{
    return HasSelection() ? static_cast<int>(Records.Content.Frames[list].size()) : 0;
}

void CVantrelDoc::OnDetailedPrint(int)
{
    PrintRequest.PrintScreen = 0;
    PrintSelectionInput input;
    input.SelectedIndex = Records.SelectedIndex;
    for (int list = 0; list < 4; ++list)
        input.FrameCounts[list] = SelectedCount(list);
    if (HasSelection())
        input.Time = Records.Visible.at(static_cast<std::size_t>(Records.SelectedIndex)).Time;
    input.CurrentLane = CurrentLane;
    input.CurrentGeneralFrame = CurrentGeneralFrame;
    input.VisibleCount = static_cast<std::int32_t>(Records.Visible.size());

    PrintSelectionForm form(PrintRequest, input);
    if (!services_.RunPrintSelection(form) || form.Validate())
        return;
    PrintRequest = form.Request();
    if (PrintRequest.PrintSubpoena && DisplayMode != DisplayNormal)
        LeaveFullScreenForPrint();
    services_.StartPrintPreview();
}

void CVantrelDoc::SetPrintChoices(std::int32_t general, std::int32_t detailed, std::int32_t subpoena)
{
    PrintRequest.GeneralChoice = general;
    PrintRequest.DetailedChoice = detailed;
    PrintRequest.PrintRecordsList = 0;
    PrintRequest.PrintSubpoena = subpoena;
    PrintRequest.PrintScreen = 0;
}

void CVantrelDoc::OnPrintGeneralView(int)
{
    SetPrintChoices(::PrintRequest::Selected, ::PrintRequest::Nothing, 0);
    services_.StartPrintPreview();
}

void CVantrelDoc::OnPrintDetailedView(int)
{
    SetPrintChoices(::PrintRequest::Nothing, ::PrintRequest::Selected, 0);
    services_.StartPrintPreview();
}

void CVantrelDoc::OnPrintScreen(int)
{
    PrintRequest.PrintScreen = 1;
    services_.StartPrintPreview();
}

void CVantrelDoc::OnPrintSubpoena(int)
{
    SetPrintChoices(::PrintRequest::Nothing, ::PrintRequest::Nothing, 1);
    LeaveFullScreenForPrint();
    services_.StartPrintPreview();
}

void CVantrelDoc::LeaveFullScreenForPrint()
{
    DisplayMode = DisplayNormal;
    services_.SetFullScreen(false);
    services_.ShowMaximizedAndRedraw();
}

CommandState CVantrelDoc::InformationRule(int) const
{
    return {HasSelection() && Records.Content.Mac.has_value(), false};
}

CommandState CVantrelDoc::DetailedPrintRule(int) const
{
    return {!Records.Visible.empty(), false};
}

CommandState CVantrelDoc::PrintGeneralViewRule(int) const
{
    return {CurrentGeneralFrameEntry() != nullptr, false};
}

CommandState CVantrelDoc::PrintDetailedViewRule(int) const
{
    return {DetailedImageReady != 0, false};
}

CommandState CVantrelDoc::SubpoenaRule(int) const
{
    return {HasSelection(), false};
}
