#include "document/CVantrelDoc.h"

#include "config/CVantrelSettings.h"
#include "document/CCommandHint.h"
#include "document/CReviewView.h"
#include "document/ReviewServices.h"
#include "document/UpdateHints.h"

#include <algorithm>

CVantrelDoc::CVantrelDoc(CVantrelSettings& settings, CCodeNoteMap& codeNotes, ReviewServices& services)
    : settings_(settings),
      codeNotes_(codeNotes),
      services_(services),
      rendering_(*this, services),
      playback_(*this, services),
      printJob_(*this, services)
{
    DefineCommands();
}

void CVantrelDoc::OnNewDocument()
{
    rendering_.OnNewDocument();
}

void CVantrelDoc::AddView(CReviewView* view)
{
    if (view && std::find(views_.begin(), views_.end(), view) == views_.end())
        views_.push_back(view);
}

void CVantrelDoc::RemoveView(CReviewView* view)
{
    std::erase(views_, view);
}

void CVantrelDoc::UpdateAllViews(int hint, const CCommandHint* object)
{
    // A copy: a view may register another one while it handles the hint.
    const std::vector<CReviewView*> views = views_;
    for (CReviewView* view : views)
        view->OnUpdate(hint, object);
}

void CVantrelDoc::UpdateAllViews(int hint, int command)
{
    const CCommandHint object(command);
    UpdateAllViews(hint, &object);
}

void CVantrelDoc::Refresh()
{
    services_.SetPathName(settings_.RootDirectory);
    rendering_.ApplySettingsCuts();
    records_.ConfirmedDirectory = settings_.ConfirmedDirectory;
    records_.RejectedDirectory = settings_.RejectedDirectory;
    records_.SetRoot(settings_.RootDirectory);
    records_.Select(0);
    SetUpNewRecord();
}

void CVantrelDoc::SetUpNewRecord()
{
    int generalFrame = -1;
    if (HasSelection()) {
        if (currentLane_ < 1 || currentLane_ > 3)
            currentLane_ = 1;
        const auto& frames = records_.Content.Frames;
        if (frames[currentLane_].empty()) {
            const auto lane = std::find_if(frames.begin() + 1, frames.end(),
                                           [](const std::vector<FrameEntry>& list) { return !list.empty(); });
            if (lane != frames.end())
                currentLane_ = static_cast<std::int32_t>(lane - frames.begin());
        }
        const auto length = static_cast<std::int32_t>(frames[currentLane_].size());
        if (currentLaneFrame_ < 1 || currentLaneFrame_ > length)
            currentLaneFrame_ = length;
        generalFrame = std::min(GeneralFrameCount() - 1, 7);
    }
    playback_.SetUp(generalFrame);
    rendering_.RequestAutoWindow();
    RebuildDetailedImage();
    UpdateAllViews(HINT_ALL);
}

std::optional<std::string> CVantrelDoc::SelectedName() const
{
    if (!HasSelection())
        return std::nullopt;
    return records_.Visible.at(static_cast<std::size_t>(records_.SelectedIndex)).Name;
}

void CVantrelDoc::SetUpWithNameCheck(const std::optional<std::string>& before)
{
    const std::optional<std::string> after = SelectedName();
    const bool same = before.has_value() == after.has_value() && (!before || SameRecordName(*before, *after));
    if (same)
        UpdateAllViews(HINT_LIST);
    else
        SetUpNewRecord();
}

void CVantrelDoc::SelectRecord(int index)
{
    const std::optional<std::string> before = SelectedName();
    records_.Select(index);
    SetUpWithNameCheck(before);
}

void CVantrelDoc::SetRecordFilter(std::int32_t mask, std::optional<RecordTime> day)
{
    const std::optional<std::string> before = SelectedName();
    records_.SetFilter(mask, day);
    SetUpWithNameCheck(before);
}

void CVantrelDoc::SetRecordDay(RecordTime day)
{
    records_.SetFilter(records_.FilterMask, day);
}

const std::vector<FrameEntry>* CVantrelDoc::CurrentLaneList() const
{
    if (!HasSelection() || currentLane_ < 1 || currentLane_ > 3)
        return nullptr;
    return &records_.Content.Frames[currentLane_];
}

const FrameEntry* CVantrelDoc::CurrentLaneEntry() const
{
    const std::vector<FrameEntry>* list = CurrentLaneList();
    // A position outside the list has nothing to show; it is not an error
    // worth ending the command for.
    if (!list || currentLaneFrame_ < 1 || currentLaneFrame_ > static_cast<std::int32_t>(list->size()))
        return nullptr;
    return &(*list)[static_cast<std::size_t>(currentLaneFrame_ - 1)];
}

void CVantrelDoc::SetLane(std::int32_t lane)
{
    if (lane == currentLane_ || lane < 1 || lane > 3)
        return;
    currentLane_ = lane;
    if (const std::vector<FrameEntry>* list = CurrentLaneList())
        currentLaneFrame_ = std::min(std::max(currentLaneFrame_, 1), static_cast<std::int32_t>(list->size()));
    UpdateAllViews(HINT_COLOR);
    rendering_.RequestAutoWindow();
    RebuildDetailedImage();
    UpdateAllViews(HINT_IMAGE);
}

void CVantrelDoc::SetLaneFrame(std::int32_t position)
{
    currentLaneFrame_ = position;
    if (const std::vector<FrameEntry>* list = CurrentLaneList())
        currentLaneFrame_ = std::min(currentLaneFrame_, static_cast<std::int32_t>(list->size()));
    RebuildDetailedImage();
    UpdateAllViews(HINT_IMAGE);
}

int CVantrelDoc::GeneralFrameCount() const
{
    return SelectedCount(RecordContent::GeneralView);
}

int CVantrelDoc::SelectedCount(int list) const
{
    return HasSelection() ? static_cast<int>(records_.Content.Frames[list].size()) : 0;
}

const FrameEntry* CVantrelDoc::CurrentGeneralFrameEntry() const
{
    const int index = playback_.CurrentFrame();
    if (index < 0 || index >= GeneralFrameCount())
        return nullptr;
    return &records_.Content.Frames[RecordContent::GeneralView][static_cast<std::size_t>(index)];
}

void CVantrelDoc::SetGeneralFrame(int index, bool notify)
{
    playback_.SetFrame(index, notify);
}

void CVantrelDoc::AdvancePlayback()
{
    playback_.Advance();
}

std::string CVantrelDoc::SiteDisplayText(const MacAddress& mac)
{
    return CVantrelSettings::SiteDisplayText(*settings_.LookupSite(mac, true));
}

void CVantrelDoc::SetDisplayRange(int low, int high)
{
    if (rendering_.SetDisplayRange(low, high, CurrentLaneEntry()))
        UpdateAllViews(HINT_IMAGE);
}

void CVantrelDoc::RebuildDetailedImage()
{
    rendering_.Rebuild(CurrentLaneEntry());
}

PrintSelectionInput CVantrelDoc::PrintSelection() const
{
    PrintSelectionInput input;
    input.SelectedIndex = records_.SelectedIndex;
    for (int list = 0; list < 4; ++list)
        input.FrameCounts[list] = SelectedCount(list);
    if (HasSelection())
        input.Time = records_.Visible.at(static_cast<std::size_t>(records_.SelectedIndex)).Time;
    input.CurrentLane = currentLane_;
    input.CurrentGeneralFrame = playback_.CurrentFrame();
    input.VisibleCount = static_cast<std::int32_t>(records_.Visible.size());
    return input;
}

bool CVantrelDoc::OnCommand(int id)
{
    return commands_.Run(id);
}

CommandState CVantrelDoc::QueryCommand(int id) const
{
    return commands_.Query(id);
}
