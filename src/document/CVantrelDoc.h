#pragma once

#include "document/CommandState.h"
#include "document/CommandTable.h"
#include "document/DetailedRendering.h"
#include "document/GeneralViewPlayback.h"
#include "document/PrintJob.h"
#include "document/PrintSelectionInput.h"
#include "records/FrameEntry.h"
#include "records/RecordDirectory.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CCodeNoteMap;
class CCommandHint;
class CReviewView;
class CVantrelSettings;
class PrintPreview;
class ReviewServices;
class ThumbnailLoaderLock;

// The one review document: the record store with the selected record, the
// lane and frame shown, the display mode, the private notes mode, and the
// parts it owns for the detailed rendering, the general-view playback and the
// print request. Its state is read through the accessors and changed only by
// its operations and commands, each ending in update hints to the registered
// views. It runs on the user-interface thread only.
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

    const RecordDirectory& Records() const { return records_; }
    const CDibImage& DetailedImage() const { return rendering_.DetailedImage(); }
    std::int32_t Zoom() const { return rendering_.Zoom(); }
    std::int32_t CurrentLane() const { return currentLane_; }
    std::int32_t CurrentLaneFrame() const { return currentLaneFrame_; }
    bool DetailedImageReady() const { return rendering_.Ready(); }
    const CCfaImage& FrameImage() const { return rendering_.FrameImage(); }
    bool Playing() const { return playback_.Playing(); }
    int CurrentGeneralFrame() const { return playback_.CurrentFrame(); }
    std::int32_t DisplayMode() const { return displayMode_; }
    bool CalendarHidden() const { return calendarHidden_; }
    std::int32_t Filter() const { return rendering_.Filter(); }
    bool BlackAndWhite() const { return rendering_.BlackAndWhite(); }
    bool PrivateNotesMode() const { return privateNotesMode_; }
    const ::PrintRequest& PrintRequest() const { return printJob_.Request(); }

    // The new-document step at start-up: automatic colour correction.
    void OnNewDocument();

    void AddView(CReviewView* view);
    void RemoveView(CReviewView* view);
    // Every registered view, in registration order.
    void UpdateAllViews(int hint, const CCommandHint* object = nullptr);
    // With a hint object naming the command.
    void UpdateAllViews(int hint, int command);

    // The desktop's parts that are not services of every command: the lock
    // around record moves and the print preview. Null (the default) means
    // there is nothing to lock, or nowhere to start a print job.
    void SetLoaderLock(ThumbnailLoaderLock* lock) { loaderLock_ = lock; }
    void SetPrintPreview(PrintPreview* preview) { printJob_.SetPreview(preview); }

    // Rescans the root of the settings and sets up its first visible record.
    void Refresh();
    // Resets the view state for the record now selected; hint 0.
    void SetUpNewRecord();
    // A row picked by the user: a different record is set up, the same one
    // only gives hint 1.
    void SelectRecord(int index);
    void SetRecordFilter(std::int32_t mask, std::optional<RecordTime> day = std::nullopt);
    // The filter's day alone, with its mask kept and no hint: the records
    // pane picks a row of that day right after, and that selection notifies.
    void SetRecordDay(RecordTime day);
    void SetLane(std::int32_t lane);          // 1..3; other values are ignored
    void SetLaneFrame(std::int32_t position);  // 1-based
    int GeneralFrameCount() const;
    // Null when no record is selected or the index is outside the general view.
    const FrameEntry* CurrentGeneralFrameEntry() const;
    // Ignored unless 0 <= index < GeneralFrameCount(); notify sends hint 8.
    void SetGeneralFrame(int index, bool notify);
    // One tick of the playback timer, on the user-interface thread.
    void AdvancePlayback();
    // The site text of a unit: its address, or its MAC text while it has
    // none. A unit not yet listed joins the settings' site list with an empty
    // address, so that it is saved at exit.
    std::string SiteDisplayText(const MacAddress& mac);
    // The levels of the dynamic-range control, in either order.
    void SetDisplayRange(int low, int high);
    void RebuildDetailedImage();
    // Before a subpoena is printed: normal display, the window maximised and
    // redrawn at once. No hint.
    void LeaveFullScreenForPrint();

    bool HasSelection() const { return records_.SelectedIndex != -1; }
    // The frames of CurrentLane of the selected record; null without one.
    const std::vector<FrameEntry>* CurrentLaneList() const;
    // What the print selection dialog starts from.
    PrintSelectionInput PrintSelection() const;

    // Runs a command when its update rule enables it; true when it ran. The
    // one road of every menu item, key, pane button and context menu.
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
    // The entry at CurrentLaneFrame of the current lane; null without one.
    const FrameEntry* CurrentLaneEntry() const;
    void ChangeDisplayMode(std::int32_t mode, int command);
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
    void OnDecision(int id);
    void OnLane(int id);
    void OnFullScreen(int id);
    void OnLeaveFullScreen(int id);
    void OnRecordInformation(int id);

    // Update rules, each given its own id.
    CommandState AlwaysEnabled(int id) const;
    CommandState SortRule(int id) const;
    CommandState AllDaysRule(int id) const;
    CommandState ForTheDayRule(int id) const;
    CommandState FilterButtonRule(int id) const;
    CommandState CalendarRule(int id) const;
    CommandState DecisionRule(int id) const;
    CommandState LaneRule(int id) const;
    CommandState FullScreenRule(int id) const;
    CommandState InformationRule(int id) const;

    CVantrelSettings& settings_;
    CCodeNoteMap& codeNotes_;
    ReviewServices& services_;
    ThumbnailLoaderLock* loaderLock_ = nullptr;
    std::vector<CReviewView*> views_;
    CommandTable commands_;

    RecordDirectory records_;
    std::int32_t currentLane_ = 1;
    std::int32_t currentLaneFrame_ = 1;  // 1-based position in the lane's list
    std::int32_t displayMode_ = DisplayNormal;
    bool calendarHidden_ = false;
    bool privateNotesMode_ = false;
    DetailedRendering rendering_;
    GeneralViewPlayback playback_;
    PrintJob printJob_;
};
