#include "document/PrintSelectionForm.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace {

constexpr int LaneCount = 3;

// The lane (1..3) of a from/to edit or its label; 0 for any other control.
int LaneOfControl(int control)
{
    if (control >= PrintSelectionForm::IDC_LEFT_FROM && control <= PrintSelectionForm::IDC_RIGHT_TO)
        return 1 + (control - PrintSelectionForm::IDC_LEFT_FROM) / 2;
    if (control >= PrintSelectionForm::IDC_LANE_FROM_LABEL && control < PrintSelectionForm::IDC_LANE_FROM_LABEL + LaneCount)
        return 1 + control - PrintSelectionForm::IDC_LANE_FROM_LABEL;
    if (control >= PrintSelectionForm::IDC_LANE_TO_LABEL && control < PrintSelectionForm::IDC_LANE_TO_LABEL + LaneCount)
        return 1 + control - PrintSelectionForm::IDC_LANE_TO_LABEL;
    return 0;
}

bool Between(int control, int first, int last)
{
    return control >= first && control <= last;
}

std::int32_t LeadingNumber(std::string_view text)
{
    std::int32_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0;
}

// Where an edit's number lives: FromFrame or ToFrame, at general view 0 or lane 1..3.
struct FrameSlot {
    bool From = true;
    int Index = 0;
};

std::optional<FrameSlot> FrameSlotOf(int control)
{
    if (control == PrintSelectionForm::IDC_GENERAL_FROM || control == PrintSelectionForm::IDC_GENERAL_TO)
        return FrameSlot{control == PrintSelectionForm::IDC_GENERAL_FROM, 0};
    if (Between(control, PrintSelectionForm::IDC_LEFT_FROM, PrintSelectionForm::IDC_RIGHT_TO))
        return FrameSlot{(control - PrintSelectionForm::IDC_LEFT_FROM) % 2 == 0, LaneOfControl(control)};
    return std::nullopt;
}

bool RangeValid(std::int32_t from, std::int32_t to, std::int32_t count)
{
    return 1 <= from && from <= to && to <= count;
}

std::string RangeMessage(const char* part, std::int32_t count)
{
    char text[160];
    std::snprintf(text, sizeof text,
                  "Error in the choice for the %s.\nThe frame number may be between 1 and %d.\n", part,
                  count);
    return text;
}

}  // namespace

PrintSelectionForm::PrintSelectionForm(const PrintRequest& current, const PrintSelectionInput& input)
    : request_(current), input_(input)
{
    const bool selected = input_.SelectedIndex >= 0 && input_.Time;
    caption_ = selected ? "[" + FormatTimeText(*input_.Time) + "]" : "[no selected record]";
    // The same row may hold another record after a rescan or a new filter:
    // frame counts that no longer match would let stale ranges reach the printer.
    const std::int32_t selectedIndex = std::max(input_.SelectedIndex, -1);
    if (request_.RecordIndex != selectedIndex ||
        (selectedIndex >= 0 && request_.FrameCount != input_.FrameCounts))
        Reset();
}

void PrintSelectionForm::Reset()
{
    request_ = PrintRequest{};
    request_.RecordIndex = std::max(input_.SelectedIndex, -1);
    if (HasRecord())
        request_.FrameCount = input_.FrameCounts;
    request_.FromFrame.fill(1);
    request_.ToFrame = request_.FrameCount;
    request_.DetailedChoice = HasRecord() ? PrintRequest::Selected : PrintRequest::Nothing;

    const std::int32_t count = request_.FrameCount[0];
    const std::int32_t shown = input_.CurrentGeneralFrame;
    if (count == 0)
        request_.GeneralChoice = PrintRequest::Nothing;
    else if (shown >= count - 1)
        request_.GeneralChoice = PrintRequest::Selected;
    else {
        // The frame before the shown one and the shown one (1-based); the
        // shown one alone when it is the first, which has none before it.
        request_.GeneralChoice = PrintRequest::Partial;
        request_.FromFrame[0] = std::clamp(shown, 1, count);
        request_.ToFrame[0] = std::clamp(shown + 1, 1, count);
    }
}

bool PrintSelectionForm::LaneEnabled(int lane) const
{
    return HasRecord() && request_.FrameCount[lane] >= 1 && request_.DetailedChoice == PrintRequest::Partial;
}

bool PrintSelectionForm::IsEnabled(int control) const
{
    const bool general = HasRecord() && request_.FrameCount[0] >= 1;
    if (Between(control, IDC_GENERAL_GROUP, IDC_GENERAL_ALL))
        return general;
    if (Between(control, IDC_GENERAL_FROM, IDC_GENERAL_TO_LABEL))
        return general && request_.GeneralChoice == PrintRequest::Partial;
    if (control == IDC_DETAILED_SELECTED) {
        const bool laneKnown = input_.CurrentLane >= 1 && input_.CurrentLane <= LaneCount;
        return HasRecord() && laneKnown && input_.FrameCounts[input_.CurrentLane] >= 1;
    }
    if (Between(control, IDC_DETAILED_GROUP, IDC_DETAILED_ALL) || control == IDC_SUBPOENA)
        return HasRecord() && LaneView();
    if (Between(control, IDC_LEFT_LANE, IDC_RIGHT_LANE))
        return LaneEnabled(1 + control - IDC_LEFT_LANE);
    if (const int lane = LaneOfControl(control))
        return LaneEnabled(lane) && request_.LaneChecked[lane - 1] == 1;
    if (control == IDC_RECORDS_LIST)
        return input_.VisibleCount > 0;
    return true;
}

void PrintSelectionForm::ClickGeneralChoice(int control)
{
    if (Between(control, IDC_GENERAL_NOTHING, IDC_GENERAL_ALL))
        request_.GeneralChoice = control - IDC_GENERAL_NOTHING;
}

void PrintSelectionForm::ClickDetailedChoice(int control)
{
    if (Between(control, IDC_DETAILED_NOTHING, IDC_DETAILED_ALL))
        request_.DetailedChoice = control - IDC_DETAILED_NOTHING;
}

void PrintSelectionForm::SetLaneChecked(int control, bool ticked)
{
    if (Between(control, IDC_LEFT_LANE, IDC_RIGHT_LANE))
        request_.LaneChecked[control - IDC_LEFT_LANE] = ticked ? 1 : 0;
}

void PrintSelectionForm::SetFrameText(int control, std::string_view text)
{
    if (const std::optional<FrameSlot> slot = FrameSlotOf(control))
        (slot->From ? request_.FromFrame : request_.ToFrame)[slot->Index] = LeadingNumber(text);
}

std::string PrintSelectionForm::FrameText(int control) const
{
    const std::optional<FrameSlot> slot = FrameSlotOf(control);
    if (!slot)
        return {};
    return std::to_string((slot->From ? request_.FromFrame : request_.ToFrame)[slot->Index]);
}

void PrintSelectionForm::SetPrintRecordsList(bool ticked)
{
    request_.PrintRecordsList = ticked ? 1 : 0;
}

void PrintSelectionForm::SetPrintSubpoena(bool ticked)
{
    request_.PrintSubpoena = ticked ? 1 : 0;
}

std::optional<PrintSelectionError> PrintSelectionForm::Validate() const
{
    const PrintRequest& r = request_;
    if (r.GeneralChoice == PrintRequest::Partial && !RangeValid(r.FromFrame[0], r.ToFrame[0], r.FrameCount[0]))
        return PrintSelectionError{RangeMessage("general view", r.FrameCount[0]), IDC_GENERAL_FROM};
    if (r.DetailedChoice != PrintRequest::Partial)
        return std::nullopt;
    static constexpr const char* laneNames[LaneCount] = {"left lane", "middle lane", "right lane"};
    for (int lane = 1; lane <= LaneCount; ++lane) {
        if (r.LaneChecked[lane - 1] == 1 && !RangeValid(r.FromFrame[lane], r.ToFrame[lane], r.FrameCount[lane]))
            return PrintSelectionError{RangeMessage(laneNames[lane - 1], r.FrameCount[lane]),
                                       IDC_LEFT_FROM + 2 * (lane - 1)};
    }
    return std::nullopt;
}
