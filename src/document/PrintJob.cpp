#include "document/PrintJob.h"

#include "document/CVantrelDoc.h"
#include "document/CommandIds.h"
#include "document/CommandRows.h"
#include "document/PrintPreview.h"
#include "document/PrintSelectionForm.h"
#include "document/ReviewServices.h"

PrintJob::PrintJob(CVantrelDoc& document, ReviewServices& services) : document_(document), services_(services)
{
}

void PrintJob::DefineCommands(CommandTable& commands)
{
    using P = PrintJob;
    static const CommandRow<P> rows[] = {
        {ID_DETAILED_PRINT, "Detailed print...", &P::OnDetailedPrint, &P::DetailedPrintRule},
        {ID_PRINT_GENERAL_VIEW, "&Print general view", &P::OnPrintGeneralView, &P::PrintGeneralViewRule},
        {ID_PRINT_DETAILED_VIEW, "&Print detailed view", &P::OnPrintDetailedView, &P::PrintDetailedViewRule},
        {ID_PRINT_SCREEN, "Print Screen\tCtrl+S", &P::OnPrintScreen, &P::AlwaysEnabled},
        {ID_PRINT_SUBPOENA, "Print Subpoena\tCtrl+P", &P::OnPrintSubpoena, &P::SubpoenaRule},
    };
    DefineCommandRows<P>(commands, *this, rows);
}

void PrintJob::Start()
{
    if (preview_)
        preview_->StartPrintPreview();
}

void PrintJob::OnDetailedPrint(int)
{
    request_.PrintScreen = 0;
    PrintSelectionForm form(request_, document_.PrintSelection());
    if (!services_.RunPrintSelection(form) || form.Validate())
        return;
    request_ = form.Request();
    if (request_.PrintSubpoena && document_.DisplayMode() != CVantrelDoc::DisplayNormal)
        document_.LeaveFullScreenForPrint();
    Start();
}

void PrintJob::SetChoices(std::int32_t general, std::int32_t detailed, std::int32_t subpoena)
{
    request_.GeneralChoice = general;
    request_.DetailedChoice = detailed;
    request_.PrintRecordsList = 0;
    request_.PrintSubpoena = subpoena;
    request_.PrintScreen = 0;
}

void PrintJob::OnPrintGeneralView(int)
{
    SetChoices(PrintRequest::Selected, PrintRequest::Nothing, 0);
    Start();
}

void PrintJob::OnPrintDetailedView(int)
{
    SetChoices(PrintRequest::Nothing, PrintRequest::Selected, 0);
    Start();
}

void PrintJob::OnPrintScreen(int)
{
    request_.PrintScreen = 1;
    Start();
}

void PrintJob::OnPrintSubpoena(int)
{
    SetChoices(PrintRequest::Nothing, PrintRequest::Nothing, 1);
    document_.LeaveFullScreenForPrint();
    Start();
}

CommandState PrintJob::DetailedPrintRule(int) const
{
    return {!document_.Records().Visible.empty(), false};
}

CommandState PrintJob::PrintGeneralViewRule(int) const
{
    return {document_.CurrentGeneralFrameEntry() != nullptr, false};
}

CommandState PrintJob::PrintDetailedViewRule(int) const
{
    return {document_.DetailedImageReady(), false};
}

CommandState PrintJob::AlwaysEnabled(int) const
{
    return {true, false};
}

CommandState PrintJob::SubpoenaRule(int) const
{
    return {document_.HasSelection(), false};
}
