#include "tool/PrintChoices.h"

#include "document/CommandIds.h"
#include "document/PrintRequest.h"
#include "document/PrintSelectionForm.h"
#include "tool/OptionalValue.h"
#include "tool/UsageError.h"
#include "tool/WholeNumber.h"

#include <CLI/App.hpp>

#include <algorithm>
#include <cctype>

namespace {

constexpr const char* LaneNames[3] = {"left", "middle", "right"};

std::optional<std::int32_t> ChoiceWord(const std::string& text)
{
    if (text == "none")
        return PrintRequest::Nothing;
    if (text == "selected")
        return PrintRequest::Selected;
    if (text == "all")
        return PrintRequest::All;
    return std::nullopt;
}

bool StartsWithDigit(const std::string& text)
{
    return !text.empty() && std::isdigit(static_cast<unsigned char>(text[0]));
}

// 0 is let through: the dialog's own range check names the frames there are.
std::int32_t FrameNumber(const std::string& text, const std::string& what)
{
    return static_cast<std::int32_t>(WholeNumber::Parse(text, 0, WholeNumber::Int32High, what));
}

// "FROM-TO", or "N" for the one frame N.
template <typename Range>
Range ParseRange(const std::string& text, const std::string& what)
{
    const std::size_t dash = text.find('-');
    const std::string from = text.substr(0, dash);
    const std::string to = dash == std::string::npos ? from : text.substr(dash + 1);
    return Range{FrameNumber(from, what + " FROM"), FrameNumber(to, what + " TO")};
}

std::size_t LaneIndex(const std::string& name)
{
    for (std::size_t lane = 0; lane < 3; ++lane) {
        if (name == LaneNames[lane] || name == std::to_string(lane + 1))
            return lane;
    }
    throw UsageError("--detailed LANE must be left, middle, right or 1 to 3: '" + name + "'");
}

// The dialog's message box text as one line.
std::string OneLine(std::string message)
{
    std::replace(message.begin(), message.end(), '\n', ' ');
    while (!message.empty() && message.back() == ' ')
        message.pop_back();
    return message;
}

// A radio button of the dialog clicked as the officer would: a disabled one
// cannot be, except that leaving a disabled group at Nothing needs no click.
std::optional<std::string> Click(PrintSelectionForm& form, int first, std::int32_t choice,
                                 void (PrintSelectionForm::*click)(int), const std::string& option)
{
    const int control = first + choice;
    if (!form.IsEnabled(control)) {
        if (choice == PrintRequest::Nothing)
            return std::nullopt;
        return option + " is not offered for this record";
    }
    (form.*click)(control);
    return std::nullopt;
}

}  // namespace

void PrintChoices::Declare(CLI::App& command, Given& given)
{
    AddOptionalValue(command, "--general", given.General);
    AddOptionalValue(command, "--detailed", given.Detailed);
    command.add_flag("--records-list", given.RecordsList);
    command.add_flag("--subpoena", given.Subpoena);
    command.add_flag("--screen", given.Screen);
}

PrintChoices::PrintChoices(const Given& given)
    : general_(PrintRequest::Nothing), detailed_(PrintRequest::Nothing), recordsList_(given.RecordsList),
      subpoena_(given.Subpoena), screen_(given.Screen)
{
    if (given.General)
        ReadGeneral(*given.General);
    if (given.Detailed)
        ReadDetailed(*given.Detailed);
    if (screen_ && (subpoena_ || ChoosesPages()))
        throw UsageError("--screen prints the screen page alone");
    if (!screen_ && !subpoena_ && !ChoosesPages())
        throw UsageError("nothing to print: choose --general, --detailed, --records-list, --subpoena or --screen");
}

void PrintChoices::ReadGeneral(const std::string& text)
{
    generalText_ = "--general " + text;
    if (const auto word = ChoiceWord(text)) {
        general_ = *word;
        return;
    }
    if (!StartsWithDigit(text))
        throw UsageError("--general must be none, selected, FROM-TO or all: '" + text + "'");
    general_ = PrintRequest::Partial;
    generalRange_ = ParseRange<Range>(text, "--general");
}

void PrintChoices::ReadDetailed(const std::string& text)
{
    detailedText_ = "--detailed " + text;
    if (const auto word = ChoiceWord(text)) {
        detailed_ = *word;
        return;
    }
    detailed_ = PrintRequest::Partial;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        ReadLaneRange(text.substr(start, comma - start));
        start = comma + 1;
    }
}

void PrintChoices::ReadLaneRange(const std::string& text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        throw UsageError("--detailed must be none, selected, LANE:FROM-TO,... or all: '" + text + "'");
    const std::size_t lane = LaneIndex(text.substr(0, colon));
    if (lanes_[lane])
        throw UsageError(std::string("--detailed names the ") + LaneNames[lane] + " lane twice");
    lanes_[lane] = ParseRange<Range>(text.substr(colon + 1), "--detailed");
}

bool PrintChoices::ChoosesPages() const
{
    return general_ != PrintRequest::Nothing || detailed_ != PrintRequest::Nothing || recordsList_;
}

int PrintChoices::Command() const
{
    if (screen_)
        return ID_PRINT_SCREEN;
    return ChoosesPages() ? ID_DETAILED_PRINT : ID_PRINT_SUBPOENA;
}

std::optional<std::string> PrintChoices::Fill(PrintSelectionForm& form) const
{
    if (auto refused = FillGeneral(form))
        return refused;
    if (auto refused = FillDetailed(form))
        return refused;
    form.SetPrintRecordsList(recordsList_);
    if (subpoena_ && !form.IsEnabled(PrintSelectionForm::IDC_SUBPOENA))
        return "--subpoena is not offered for this record";
    form.SetPrintSubpoena(subpoena_);
    if (const auto error = form.Validate())
        return OneLine(error->Message);
    return std::nullopt;
}

std::optional<std::string> PrintChoices::FillGeneral(PrintSelectionForm& form) const
{
    if (auto refused = Click(form, PrintSelectionForm::IDC_GENERAL_NOTHING, general_,
                             &PrintSelectionForm::ClickGeneralChoice, generalText_))
        return refused;
    if (general_ == PrintRequest::Partial) {
        form.SetFrameText(PrintSelectionForm::IDC_GENERAL_FROM, std::to_string(generalRange_.From));
        form.SetFrameText(PrintSelectionForm::IDC_GENERAL_TO, std::to_string(generalRange_.To));
    }
    return std::nullopt;
}

std::optional<std::string> PrintChoices::FillDetailed(PrintSelectionForm& form) const
{
    if (auto refused = Click(form, PrintSelectionForm::IDC_DETAILED_NOTHING, detailed_,
                             &PrintSelectionForm::ClickDetailedChoice, detailedText_))
        return refused;
    return detailed_ == PrintRequest::Partial ? FillLanes(form) : std::nullopt;
}

std::optional<std::string> PrintChoices::FillLanes(PrintSelectionForm& form) const
{
    for (std::size_t lane = 0; lane < lanes_.size(); ++lane) {
        const int box = PrintSelectionForm::IDC_LEFT_LANE + static_cast<int>(lane);
        if (!form.IsEnabled(box)) {
            if (lanes_[lane])
                return std::string("--detailed: the record has no frames in the ") + LaneNames[lane] + " lane";
            continue;
        }
        form.SetLaneChecked(box, lanes_[lane].has_value());
        if (!lanes_[lane])
            continue;
        const int from = PrintSelectionForm::IDC_LEFT_FROM + 2 * static_cast<int>(lane);
        form.SetFrameText(from, std::to_string(lanes_[lane]->From));
        form.SetFrameText(from + 1, std::to_string(lanes_[lane]->To));
    }
    return std::nullopt;
}
