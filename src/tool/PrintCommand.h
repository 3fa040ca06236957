#pragma once

#include "tool/ToolCommand.h"

class CVantrelDoc;
class CVantrelView;
class PrintChoices;
class PrintDesktop;

// `print NAME OUT.pdf`: the record's print job as the window prints it,
// chosen with the options as in the print selection dialog, written as a PDF
// of A4 pages.
class PrintCommand : public ToolCommand {
public:
    std::string Name() const override { return "print"; }
    std::string Synopsis() const override;
    std::vector<OptionDefinition> Options() const override;
    int MinPositionals() const override { return 2; }
    int MaxPositionals() const override { return 2; }
    int Run(const CommandLine& arguments, ToolEnvironment& environment) const override;

private:
    // The command an officer would give; false when the document does not
    // offer it. Throws UsageError for a print selection it refused.
    static bool StartJob(CVantrelDoc& document, const PrintDesktop& desktop, const PrintChoices& choices);
    static int WriteJob(CVantrelDoc& document, CVantrelView* mainView, const std::string& name,
                        const CommandLine& arguments);
};
