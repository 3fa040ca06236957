#pragma once

#include "document/PrintRequest.h"
#include "document/PrintSelectionError.h"
#include "document/PrintSelectionInput.h"

#include <optional>
#include <string>
#include <string_view>

// The print selection dialog without its controls: a copy of the document's
// print request, reset for a newly selected record, edited by the controls
// and validated before it may be written back.
class PrintSelectionForm {
public:
    // Control ids of the dialog.
    static constexpr int IDC_CAPTION = 1010;
    static constexpr int IDC_GENERAL_GROUP = 1011;
    static constexpr int IDC_GENERAL_NOTHING = 1012;  // 1012..1015 by GeneralChoice
    static constexpr int IDC_GENERAL_ALL = 1015;
    static constexpr int IDC_GENERAL_FROM = 1016;
    static constexpr int IDC_GENERAL_TO = 1017;
    static constexpr int IDC_GENERAL_FROM_LABEL = 1018;
    static constexpr int IDC_GENERAL_TO_LABEL = 1019;
    static constexpr int IDC_DETAILED_GROUP = 1020;
    static constexpr int IDC_DETAILED_NOTHING = 1021;  // 1021..1024 by DetailedChoice
    static constexpr int IDC_DETAILED_SELECTED = 1022;
    static constexpr int IDC_DETAILED_PARTIAL = 1023;
    static constexpr int IDC_DETAILED_ALL = 1024;
    static constexpr int IDC_LEFT_LANE = 1025;  // 1025..1027 left, middle, right
    static constexpr int IDC_RIGHT_LANE = 1027;
    static constexpr int IDC_LEFT_FROM = 1028;  // 1028..1033 from, to of left, middle, right
    static constexpr int IDC_RIGHT_TO = 1033;
    static constexpr int IDC_LANE_FROM_LABEL = 1034;  // 1034..1036 left, middle, right
    static constexpr int IDC_LANE_TO_LABEL = 1037;    // 1037..1039 left, middle, right
    static constexpr int IDC_RECORDS_LIST = 1040;
    static constexpr int IDC_SUBPOENA = 1042;

    // Opens on a copy of current; resets it when it was made for another
    // record (or never).
    PrintSelectionForm(const PrintRequest& current, const PrintSelectionInput& input);

    const PrintRequest& Request() const { return request_; }
    // "[Monday, 05-December-2005 10:20:30]" or "[no selected record]".
    const std::string& Caption() const { return caption_; }

    // The enabling rule of a control; controls without one are enabled.
    bool IsEnabled(int control) const;

    void ClickGeneralChoice(int control);   // 1012..1015
    void ClickDetailedChoice(int control);  // 1021..1024
    void SetLaneChecked(int control, bool ticked);  // 1025..1027
    // An edit of a frame number changed: the decimal value at the start of
    // its text, 0 when there is none.
    void SetFrameText(int control, std::string_view text);
    void SetPrintRecordsList(bool ticked);
    void SetPrintSubpoena(bool ticked);
    // The number an edit shows ("%d"); empty for a control that is no such edit.
    std::string FrameText(int control) const;

    // The first failing range check of OK; none when the copy may be written back.
    std::optional<PrintSelectionError> Validate() const;

private:
    void Reset();
    bool HasRecord() const { return request_.RecordIndex >= 0; }
    bool LaneView() const { return input_.CurrentLane >= 1; }
    bool LaneEnabled(int lane) const;

    PrintRequest request_;
    PrintSelectionInput input_;
    std::string caption_;
};
