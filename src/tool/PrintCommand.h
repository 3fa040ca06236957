#pragma once

#include "tool/PrintChoices.h"
#include "tool/RecordNameArgument.h"
#include "tool/ToolCommand.h"

#include <cstdint>
#include <optional>
#include <string>

class CVantrelDoc;
class CVantrelView;
class PrintDesktop;

// `print NAME OUT.pdf`: the record's print job as the window prints it,
// chosen with the options as in the print selection dialog, written as a PDF
// of A4 pages.
class PrintCommand : public ToolCommand {
public:
    std::string Name() const override { return "print"; }
    std::string Synopsis() const override;
    void Declare(CLI::App& command) override;
    int Run(ToolEnvironment& environment) const override;

private:
    // The command an officer would give; false when the document does not
    // offer it. Throws UsageError for a print selection it refused.
    static bool StartJob(CVantrelDoc& document, const PrintDesktop& desktop, const PrintChoices& choices);
    int WriteJob(CVantrelDoc& document, CVantrelView* mainView) const;

    RecordNameArgument record_;
    std::string out_;
    PrintChoices::Given choices_;
    bool landscape_ = false;
    std::optional<std::int32_t> correction_;  // as `render --correction` numbers it
    bool gamma_ = false;
};
