#include "tool/PrintDesktop.h"

#include "tool/PrintChoices.h"
#include "tool/ToolOutput.h"

#include <QCoreApplication>

#include <algorithm>

bool PrintDesktop::RunPrintSelection(PrintSelectionForm& form)
{
    // The dialog closes with OK only on a form that passed its check.
    refusal_ = choices_.Fill(form);
    return !refusal_;
}

void PrintDesktop::ShowMessage(const std::string& text, MessageIcon)
{
    std::string line = text;
    std::replace(line.begin(), line.end(), '\n', ' ');
    Fail(line);
}

bool PrintDesktop::PumpWaitingMessages()
{
    QCoreApplication::processEvents();
    return true;
}
