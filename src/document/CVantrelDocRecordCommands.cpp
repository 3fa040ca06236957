#include "document/CVantrelDoc.h"

#include "config/CVantrelSettings.h"
#include "document/CommandIds.h"
#include "document/RecordInformation.h"
#include "document/ReviewServices.h"
#include "document/ThumbnailLoaderLock.h"
#include "document/UpdateHints.h"

namespace {

// Held for the whole move, also when the move throws.
class LoaderLockScope {
public:
    explicit LoaderLockScope(ThumbnailLoaderLock* lock) : lock_(lock)
    {
        if (lock_)
            lock_->Lock();
    }
    ~LoaderLockScope()
    {
        if (lock_)
            lock_->Unlock();
    }
    LoaderLockScope(const LoaderLockScope&) = delete;
    LoaderLockScope& operator=(const LoaderLockScope&) = delete;

private:
    ThumbnailLoaderLock* lock_;
};

std::int32_t LaneOf(int id)
{
    return id - ID_LANE_LEFT + 1;
}

}  // namespace

// Each button toggles: pressing it on a record it already decided takes the
// decision back.
void CVantrelDoc::OnDecision(int id)
{
    const bool confirm = id == ID_RECORD_CONFIRM;
    const RecordState target = confirm ? RecordState::Confirmed : RecordState::Rejected;
    const int index = records_.SelectedIndex;
    bool moved = false;
    {
        const LoaderLockScope lock(loaderLock_);
        if (HasSelection() && records_.Visible.at(static_cast<std::size_t>(index)).State == target)
            moved = records_.RestoreRecord(index);
        else
            moved = confirm ? records_.ConfirmRecord(index) : records_.RejectRecord(index);
    }
    if (moved) {
        UpdateAllViews(HINT_LIST);
        return;
    }
    services_.ShowMessage(confirm ? "File I/O error.\nThe record may not be confirmed."
                                  : "File I/O error.\nThe record may not be rejected.",
                          ReviewServices::MessageIcon::Warning);
    // The disk is the truth after a failed move.
    Refresh();
}

void CVantrelDoc::OnLane(int id)
{
    SetLane(LaneOf(id));
}

void CVantrelDoc::OnRecordInformation(int)
{
    if (!HasSelection() || !records_.Content.Mac)
        return;
    const MacAddress mac = *records_.Content.Mac;
    RecordInformation information = RecordInformation::For(records_.Content, *settings_.LookupSite(mac, true));
    if (!services_.RunRecordInformation(information))
        return;
    // Looked up again: panes painting behind the dialog may have added sites,
    // which moves the entries of the list.
    settings_.LookupSite(mac, true)->address = information.SiteAddress;
    UpdateAllViews(HINT_ALL);
}

CommandState CVantrelDoc::DecisionRule(int id) const
{
    const RecordState shown = id == ID_RECORD_CONFIRM ? RecordState::Confirmed : RecordState::Rejected;
    return {true, HasSelection() && records_.Visible.at(static_cast<std::size_t>(records_.SelectedIndex)).State == shown};
}

// The tab of the lane shown is pressed; a lane without frames cannot be chosen.
CommandState CVantrelDoc::LaneRule(int id) const
{
    const std::int32_t lane = LaneOf(id);
    const bool hasFrames = SelectedCount(lane) > 0;
    const std::int32_t tab = currentLane_ == 2 || currentLane_ == 3 ? currentLane_ : 1;
    return {hasFrames, hasFrames && tab == lane};
}

CommandState CVantrelDoc::InformationRule(int) const
{
    return {HasSelection() && records_.Content.Mac.has_value(), false};
}
