#include "document/CVantrelDoc.h"

#include "config/CVantrelSettings.h"
#include "document/CCommandHint.h"
#include "document/CReviewView.h"
#include "document/ReviewServices.h"
#include "document/ScopedWaitCursor.h"
#include "document/UpdateHints.h"
#include "imaging/FilterKernels.h"

#include <algorithm>

CVantrelDoc::CVantrelDoc(CVantrelSettings& settings, CCodeNoteMap& codeNotes, ReviewServices& services)
    : settings_(settings), codeNotes_(codeNotes), services_(services)
{
    DefineCommands();
}

void CVantrelDoc::OnNewDocument()
{
    FrameImage.Correction = 3;
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

void CVantrelDoc::Notify(int hint, int command)
{
    const CCommandHint object(command);
    UpdateAllViews(hint, &object);
}

void CVantrelDoc::Refresh()
{
    services_.SetPathName(settings_.RootDirectory);
    FrameImage.HighCut = CVantrelSettings::ClipBright;
    FrameImage.LowCut = CVantrelSettings::ClipDark;
    Records.ConfirmedDirectory = settings_.ConfirmedDirectory;
    Records.RejectedDirectory = settings_.RejectedDirectory;
    Records.SetRoot(settings_.RootDirectory);
    Records.Select(0);
    SetUpNewRecord();
}

void CVantrelDoc::SetUpNewRecord()
{
    CurrentGeneralFrame = -1;
    if (HasSelection()) {
        if (CurrentLane < 1 || CurrentLane > 3)
            CurrentLane = 1;
        const auto& frames = Records.Content.Frames;
        if (frames[CurrentLane].empty()) {
            const auto lane = std::find_if(frames.begin() + 1, frames.end(),
                                           [](const std::vector<FrameEntry>& list) { return !list.empty(); });
            if (lane != frames.end())
                CurrentLane = static_cast<std::int32_t>(lane - frames.begin());
        }
        const auto length = static_cast<std::int32_t>(frames[CurrentLane].size());
        if (CurrentLaneFrame < 1 || CurrentLaneFrame > length)
            CurrentLaneFrame = length;
        CurrentGeneralFrame = std::min(GeneralFrameCount() - 1, 7);
    }
    ResetDynamicRange = 1;
    RebuildDetailedImage();
    Playing = 0;
    UpdateAllViews(HINT_ALL);
}

std::optional<std::string> CVantrelDoc::SelectedName() const
{
    if (!HasSelection())
        return std::nullopt;
    return Records.Visible.at(static_cast<std::size_t>(Records.SelectedIndex)).Name;
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
    Records.Select(index);
    SetUpWithNameCheck(before);
}

void CVantrelDoc::SetRecordFilter(std::int32_t mask, std::optional<RecordTime> day)
{
    const std::optional<std::string> before = SelectedName();
    Records.SetFilter(mask, day);
    SetUpWithNameCheck(before);
}

const std::vector<FrameEntry>* CVantrelDoc::CurrentLaneList() const
{
    if (!HasSelection() || CurrentLane < 1 || CurrentLane > 3)
        return nullptr;
    return &Records.Content.Frames[CurrentLane];
}

void CVantrelDoc::SetLane(std::int32_t lane)
{
    if (lane == CurrentLane || lane < 1 || lane > 3)
        return;
    CurrentLane = lane;
    if (const std::vector<FrameEntry>* list = CurrentLaneList())
        CurrentLaneFrame = std::min(std::max(CurrentLaneFrame, 1), static_cast<std::int32_t>(list->size()));
    UpdateAllViews(HINT_COLOR);
    ResetDynamicRange = 1;
    RebuildDetailedImage();
    UpdateAllViews(HINT_IMAGE);
}

void CVantrelDoc::SetLaneFrame(std::int32_t position)
{
    CurrentLaneFrame = position;
    if (const std::vector<FrameEntry>* list = CurrentLaneList())
        CurrentLaneFrame = std::min(CurrentLaneFrame, static_cast<std::int32_t>(list->size()));
    RebuildDetailedImage();
    UpdateAllViews(HINT_IMAGE);
}

int CVantrelDoc::GeneralFrameCount() const
{
    return HasSelection() ? static_cast<int>(Records.Content.Frames[RecordContent::GeneralView].size()) : 0;
}

const FrameEntry* CVantrelDoc::CurrentGeneralFrameEntry() const
{
    const int index = CurrentGeneralFrame;
    if (index < 0 || index >= GeneralFrameCount())
        return nullptr;
    return &Records.Content.Frames[RecordContent::GeneralView][static_cast<std::size_t>(index)];
}

void CVantrelDoc::SetGeneralFrame(int index, bool notify)
{
    if (index < 0 || index >= GeneralFrameCount())
        return;
    CurrentGeneralFrame = index;
    if (notify)
        UpdateAllViews(HINT_PLAYBACK);
}

void CVantrelDoc::SetDisplayRange(int low, int high)
{
    if (!DetailedImageReady)
        return;
    const auto level = [](int value) { return static_cast<std::uint16_t>(std::clamp(value, 0, int{CCfaImage::TopLevel})); };
    FrameImage.SetWindow(level(low), level(high));
    RebuildDetailedImage();
    UpdateAllViews(HINT_IMAGE);
}

void CVantrelDoc::RebuildDetailedImage()
{
    DetailedImageReady = 0;
    const std::vector<FrameEntry>* list = CurrentLaneList();
    if (!list || list->empty())
        return;
    // A position outside the list has nothing to show; it is not an error
    // worth ending the command for.
    if (CurrentLaneFrame < 1 || CurrentLaneFrame > static_cast<std::int32_t>(list->size()))
        return;
    const ScopedWaitCursor wait(services_);
    RenderFrame((*list)[static_cast<std::size_t>(CurrentLaneFrame - 1)]);
}

void CVantrelDoc::RenderFrame(const FrameEntry& entry)
{
    if (!FrameImage.Load(entry.Path))
        return;
    if (ResetDynamicRange) {
        ResetDynamicRange = 0;
        FrameImage.AutoWindow(CVantrelSettings::AutoClipDark, CVantrelSettings::AutoClipBright);
    }
    const ImagePoint origin = FrameImage.GetVisibleOrigin();
    const ImageSize size = FrameImage.GetVisibleSize();
    if (!DetailedImage.Bits() || DetailedImage.Width() != size.width || DetailedImage.Height() != size.height)
        DetailedImage.Create(size.width, size.height);
    if (!DetailedImage.Bits())
        return;
    constexpr int bayerPhase = 1;
    uint8_t* top = DetailedImage.TopDownRow(0);
    const ptrdiff_t rowStep = -static_cast<ptrdiff_t>(DetailedImage.Stride());
    if (BlackAndWhite)
        FrameImage.RenderGrey(top, rowStep, origin.x, origin.y, size.width, size.height, bayerPhase);
    else
        FrameImage.RenderColour(top, rowStep, origin.x, origin.y, size.width, size.height, bayerPhase);
    if (const int32_t* kernel = FilterKernel(Filter))
        DetailedImage.Convolve(kernel, FilterKernelSize, 1);
    DetailedImageReady = 1;
}

bool CVantrelDoc::OnCommand(int id)
{
    return commands_.Run(id);
}

CommandState CVantrelDoc::QueryCommand(int id) const
{
    return commands_.Query(id);
}
