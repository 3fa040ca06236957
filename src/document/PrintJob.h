#pragma once

#include "document/CommandState.h"
#include "document/PrintRequest.h"

class CommandTable;
class CVantrelDoc;
class PrintPreview;
class ReviewServices;

// The print request and the commands that fill it and start a print job,
// which opens in the print preview. The document owns it.
class PrintJob {
public:
    PrintJob(CVantrelDoc& document, ReviewServices& services);
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    void DefineCommands(CommandTable& commands);

    const PrintRequest& Request() const { return request_; }
    // Where jobs start; without one a print command fills the request only.
    void SetPreview(PrintPreview* preview) { preview_ = preview; }

private:
    void OnDetailedPrint(int id);
    void OnPrintGeneralView(int id);
    void OnPrintDetailedView(int id);
    void OnPrintScreen(int id);
    void OnPrintSubpoena(int id);
    void SetChoices(std::int32_t general, std::int32_t detailed, std::int32_t subpoena);
    void Start();

    CommandState DetailedPrintRule(int id) const;
    CommandState PrintGeneralViewRule(int id) const;
    CommandState PrintDetailedViewRule(int id) const;
    CommandState AlwaysEnabled(int id) const;
    CommandState SubpoenaRule(int id) const;

    CVantrelDoc& document_;
    ReviewServices& services_;
    PrintPreview* preview_ = nullptr;
    PrintRequest request_;
};
