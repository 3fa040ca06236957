#pragma once

#include "document/CommandState.h"
#include "document/CommandTable.h"
#include "document/PrintRequest.h"
#include "imaging/CCfaImage.h"
#include "imaging/CDibImage.h"
#include "records/FrameEntry.h"
#include "records/RecordDirectory.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

class CCodeNoteMap;
class CCommandHint;
class CReviewView;
class CVantrelSettings;
class ReviewServices;

// The one review document: the record store with the selected record, the
// loaded lane frame and its rendering, the view settings, the playback
// position, the display mode, the private notes mode and the print request.
// It is the only place that changes review state; every change ends in
// update hints to the registered views. Everything runs on the user-interface
// thread except that the playback thread reads and writes Playing and
// CurrentGeneralFrame, which are therefore atomic.
class CVantrelDoc {
public:
    // DisplayMode values.
    static constexpr std::int32_t DisplayNormal = 0;
    static constexpr std::int32_t DisplayDetailedFullScreen = 1;
    static constexpr std::int32_t DisplayGeneralFullScreen = 2;

    // The settings and the code-note map are the application's and outlive
    // the document.
    CVantrelDoc(CVantrelSettings& settings, CCodeNoteMap& codeNotes, ReviewServices& services);
    CVantrelDoc(const CVantrelDoc&) = delete;
    CVantrelDoc& operator=(const CVantrelDoc&) = delete;

    RecordDirectory Records;
    CDibImage DetailedImage;
    std::int32_t Zoom = 100;  // percent; 0 fits the window
    std::int32_t CurrentLane = 1;
    std::int32_t CurrentLaneFrame = 1;  // 1-based position in the lane's list
    std::int32_t DetailedImageReady = 0;
    CCfaImage FrameImage;
    std::atomic<std::int32_t> Playing{0};
    std::atomic<std::int32_t> CurrentGeneralFrame{-1};
    std::int32_t DisplayMode = DisplayNormal;
    std::int32_t CalendarHidden = 0;
    std::int32_t ResetDynamicRange = 1;
    std::int32_t Filter = 0;  // 0 none, 1 Sharpen, 2 Sharpen strong, 3 Emboss
    std::int32_t BlackAndWhite = 0;
    std::int32_t PrivateNotesMode = 0;
    ::PrintRequest PrintRequest;

    CVantrelSettings& Settings() { return settings_; }
    CCodeNoteMap& CodeNotes() { return codeNotes_; }

    // The new-document step at start-up: automatic colour correction.
    void OnNewDocument();

    void AddView(CReviewView* view);
    void RemoveView(CReviewView* view);
    // Every registered view, in registration order.
    void UpdateAllViews(int hint, const CCommandHint* object = nullptr);

    // Rescans the root of the settings and sets up its first visible record.
    void Refresh();
    // Resets the view state for the record now selected; hint 0.
    void SetUpNewRecord();
    // A row picked by the user: a different record is set up, the same one
    // only gives hint 1.
    void SelectRecord(int index);
    void SetRecordFilter(std::int32_t mask, std::optional<RecordTime> day = std::nullopt);
    void SetLane(std::int32_t lane);          // 1..3; other values are ignored
    void SetLaneFrame(std::int32_t position);  // 1-based
    int GeneralFrameCount() const;
    // Null when no record is selected or the index is outside the general view.
    const FrameEntry* CurrentGeneralFrameEntry() const;
    // Ignored unless 0 <= index < GeneralFrameCount(); notify sends hint 8.
    void SetGeneralFrame(int index, bool notify);
    // The levels of the dynamic-range control, in either order.
    void SetDisplayRange(int low, int high);
    void RebuildDetailedImage();

    bool HasSelection() const { return Records.SelectedIndex != -1; }
    // The frames of CurrentLane of the selected record; null without one.
    const std::vector<FrameEntry>* CurrentLaneList() const;

    // Runs a command when its update rule enables it; true when it ran.
    bool OnCommand(int id);
    CommandState QueryCommand(int id) const;
    // The command table, for building menus and for the application and
    // panes to attach the handlers of their own commands.
    CommandTable& Commands() { return commands_; }
    const CommandTable& Commands() const { return commands_; }

private:
    void DefineCommands();
    void SetUpWithNameCheck(const std::optional<std::string>& before);
    std::optional<std::string> SelectedName() const;
    void RenderFrame(const FrameEntry& entry);
    void Notify(int hint, int command);
    void ChangeDisplayMode(std::int32_t mode, int command);
    void LeaveFullScreenForPrint();
    void SetPrintChoices(std::int32_t general, std::int32_t detailed, std::int32_t subpoena);
    int SelectedCount(int list) const;

    // Command handlers, each given its own id.
    void OnRefreshCommand(int id);
    void OnSortMode(int id);
    void OnCalendar(int id);
    void OnPrivateNotesMode(int id);
    void OnMark(int id);
    void OnMarkDelete(int id);
    void OnNoteEdit(int id);
    void OnNoteDelete(int id);
    void OnRecordsListing(int id);
    void OnColourCorrection(int id);
    void OnColourCycle(int id);
    void OnGamma(int id);
    void OnFilter(int id);
    void OnBlackAndWhite(int id);
    void OnZoom(int id);
    void OnFullScreen(int id);
    void OnLeaveFullScreen(int id);
    void OnRestart(int id);
    void OnContinue(int id);
    void OnPause(int id);
    void OnFirstFrame(int id);
    void OnBackward(int id);
    void OnForward(int id);
    void OnLastFrame(int id);
    void OnRecordInformation(int id);
    void OnDetailedPrint(int id);
    void OnPrintGeneralView(int id);
    void OnPrintDetailedView(int id);
    void OnPrintScreen(int id);
    void OnPrintSubpoena(int id);

    // Update rules, each given its own id.
    CommandState AlwaysEnabled(int id) const;
    CommandState SortRule(int id) const;
    CommandState AllDaysRule(int id) const;
    CommandState ForTheDayRule(int id) const;
    CommandState CalendarRule(int id) const;
    CommandState ColourRule(int id) const;
    CommandState GammaRule(int id) const;
    CommandState FilterRule(int id) const;
    CommandState BlackAndWhiteRule(int id) const;
    CommandState ZoomRule(int id) const;
    CommandState FullScreenRule(int id) const;
    CommandState RestartRule(int id) const;
    CommandState ContinueRule(int id) const;
    CommandState PauseRule(int id) const;
    CommandState RewindRule(int id) const;
    CommandState ForwardRule(int id) const;
    CommandState LastFrameRule(int id) const;
    CommandState InformationRule(int id) const;
    CommandState DetailedPrintRule(int id) const;
    CommandState PrintGeneralViewRule(int id) const;
    CommandState PrintDetailedViewRule(int id) const;
    CommandState SubpoenaRule(int id) const;

    CVantrelSettings& settings_;
    CCodeNoteMap& codeNotes_;
    ReviewServices& services_;
    std::vector<CReviewView*> views_;
    CommandTable commands_;
};
