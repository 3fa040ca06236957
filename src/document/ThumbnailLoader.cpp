#include "document/ThumbnailLoader.h"

#include "config/CVantrelSettings.h"
#include "document/JoinOrLeave.h"
#include "document/RenderLaneFrame.h"
#include "document/ThumbnailJob.h"
#include "document/UiDispatcher.h"
#include "imaging/BackgroundThread.h"
#include "imaging/BandHelper.h"
#include "imaging/CCfaImage.h"
#include "imaging/CDibImage.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>
#include <strings.h>

namespace {

constexpr int LaneCount = 3;
// A frame that gives no picture shows as a small black one, stretched.
constexpr int BlackSide = 5;
// Gamma outside this range renders without a curve.
constexpr double LowestGamma = 0.1;
constexpr double HighestGamma = 5.0;

struct ThumbSlot {
    std::string FileName;
    // Null until made for FileName. Shared with painting, which only reads it.
    std::shared_ptr<CDibImage> Picture;
};

struct ThumbLane {
    int Count = 0;
    std::array<ThumbSlot, ThumbnailLoader::SlotCount> Slots;
};

bool SameFileName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::string NameInDirectory(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool KeepsPicture(const std::string& before, const std::string& after, ThumbnailJob::ReloadKind reload)
{
    switch (reload) {
    case ThumbnailJob::ReloadKind::All:
        return false;
    case ThumbnailJob::ReloadKind::Changed:
        return SameFileName(before, after);
    case ThumbnailJob::ReloadKind::Moved:
        return SameFileName(NameInDirectory(before), NameInDirectory(after));
    }
    return false;
}

void MakeBlack(CDibImage& picture)
{
    if (picture.Create(BlackSide, BlackSide))
        std::memset(picture.Bits(), 0, static_cast<std::size_t>(picture.Stride()) * BlackSide);
}

}  // namespace

// One slot of the load lane taken by the thread, with what it renders it with.
struct ThumbnailLoader::Pick {
    unsigned Generation = 0;
    std::string FileName;
    std::int32_t Correction = 0;
    double Gamma = 0.0;
    std::shared_ptr<CDibImage> Picture;  // made into, re-created only when its size differs
};

// Kept alive by the thread and by every announcement handed over as well as
// by the loader, so that neither a thread left to end on its own nor a late
// announcement touches freed memory. Everything but the generation is read
// and written under the mutex.
struct ThumbnailLoader::Shared {
    std::mutex mutex;
    std::condition_variable changed;
    std::array<ThumbLane, LaneCount> Lanes;
    int LoadLane = 0;  // 0: no job
    std::int32_t Correction = 0;
    double Gamma = 0.0;
    int locks = 0;         // kept off the files while above 0; locks nest
    bool reading = false;  // the thread holds a file
    bool stopping = false;
    bool ended = false;
    // Every hand-over, withdrawal and stop starts a new one; a picture or an
    // announcement of an older one is dropped.
    std::atomic<unsigned> generation{0};
    SlotReady ready;
    // Pictures dropped that nobody shows any more: a new picture of the same
    // size reuses one, so its memory is not mapped and cleared afresh.
    std::vector<std::shared_ptr<CDibImage>> spares;

    void Recycle(std::shared_ptr<CDibImage> picture)
    {
        if (picture && picture.use_count() == 1 && spares.size() < ThumbnailLoader::SlotCount)
            spares.push_back(std::move(picture));
    }
    std::shared_ptr<CDibImage> TakeSpare()
    {
        if (spares.empty())
            return std::make_shared<CDibImage>();
        std::shared_ptr<CDibImage> picture = std::move(spares.back());
        spares.pop_back();
        return picture;
    }

    // The first slot of the load lane still waiting; -1 when none is.
    int NextSlot() const
    {
        if (LoadLane < 1 || LoadLane > LaneCount)
            return -1;
        const ThumbLane& lane = Lanes[static_cast<std::size_t>(LoadLane - 1)];
        for (int i = 0; i < lane.Count; ++i)
            if (!lane.Slots[static_cast<std::size_t>(i)].Picture)
                return i;
        return -1;
    }
    ThumbSlot& LoadSlot(int slot)
    {
        return Lanes[static_cast<std::size_t>(LoadLane - 1)].Slots[static_cast<std::size_t>(slot)];
    }
};

ThumbnailLoader::ThumbnailLoader(UiDispatcher& ui, SlotReady ready) : ui_(ui), shared_(std::make_shared<Shared>())
{
    shared_->ready = std::move(ready);
}

ThumbnailLoader::~ThumbnailLoader()
{
    Stop();
}

void ThumbnailLoader::Start()
{
    if (!thread_.joinable())
        thread_ = std::thread(Run, shared_, std::ref(ui_));
}

void ThumbnailLoader::Run(const std::shared_ptr<Shared>& shared, UiDispatcher& ui)
{
    // Thumbnails are rendered while the officer works: a new record's frame,
    // a drag of the display range, playback. The loader gives way to all of
    // them, with both its threads at the lowest priority, so that a record
    // change never waits for thumbnails of the record it leaves.
    RunThisThreadInTheBackground();
    BandHelper helper(BandHelper::Priority::Background);
    BandHelper::UseOnThisThread(&helper);
    CCfaImage frame;
    std::unique_lock lock(shared->mutex);
    for (;;) {
        shared->changed.wait(lock,
                             [&] { return shared->stopping || (shared->locks == 0 && shared->NextSlot() >= 0); });
        if (shared->stopping)
            break;
        const int slot = shared->NextSlot();
        Pick pick{shared->generation.load(), shared->LoadSlot(slot).FileName, shared->Correction, shared->Gamma,
                  shared->TakeSpare()};
        shared->reading = true;
        lock.unlock();
        Render(frame, pick);
        lock.lock();
        shared->reading = false;
        shared->changed.notify_all();
        if (shared->generation.load() != pick.Generation) {
            shared->Recycle(std::move(pick.Picture));
            continue;
        }
        shared->LoadSlot(slot).Picture = std::move(pick.Picture);
        // Posted under the lock: once Stop has moved the generation on, this
        // thread never reaches the dispatcher again.
        ui.Post([shared, generation = pick.Generation, slot] {
            if (shared->generation.load() == generation)
                shared->ready(slot);
        });
    }
    shared->ended = true;
    shared->changed.notify_all();
}

// Thumbnails are always in colour, unfiltered, with the display range taken
// from the frame itself, and at full size: the strip stretches them to its
// cells, whatever size those take.
void ThumbnailLoader::Render(CCfaImage& frame, const Pick& pick)
{
    frame.LowCut = CVantrelSettings::ClipDark;
    frame.HighCut = CVantrelSettings::ClipBright;
    frame.Correction = pick.Correction;
    frame.Gamma = pick.Gamma >= LowestGamma && pick.Gamma <= HighestGamma ? pick.Gamma : 0.0;
    const LaneRendering how{true, 0, false};
    if (RenderLaneFrame(frame, pick.FileName, how, *pick.Picture) != LaneRenderResult::Rendered)
        MakeBlack(*pick.Picture);
}

void ThumbnailLoader::HandOver(const ThumbnailJob& job)
{
    const std::lock_guard lock(shared_->mutex);
    for (std::size_t index = 0; index < job.Lanes.size(); ++index) {
        const std::vector<std::string>& names = job.Lanes[index];
        ThumbLane& lane = shared_->Lanes[index];
        lane.Count = static_cast<int>(std::min<std::size_t>(names.size(), SlotCount));
        for (std::size_t i = 0; i < static_cast<std::size_t>(lane.Count); ++i) {
            ThumbSlot& slot = lane.Slots[i];
            if (!KeepsPicture(slot.FileName, names[i], job.Reload))
                shared_->Recycle(std::move(slot.Picture));
            slot.FileName = names[i];
        }
    }
    shared_->LoadLane = job.LoadLane;
    shared_->Correction = job.Correction;
    shared_->Gamma = job.Gamma;
    ++shared_->generation;
    shared_->changed.notify_all();
}

void ThumbnailLoader::Withdraw()
{
    const std::lock_guard lock(shared_->mutex);
    shared_->LoadLane = 0;
    ++shared_->generation;
}

void ThumbnailLoader::Stop()
{
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->stopping = true;
        ++shared_->generation;
        shared_->changed.notify_all();
    }
    JoinOrLeave(thread_, shared_->mutex, shared_->changed, shared_->ended, StopWait);
}

void ThumbnailLoader::Lock()
{
    std::unique_lock lock(shared_->mutex);
    ++shared_->locks;
    shared_->changed.wait(lock, [&] { return !shared_->reading; });
}

void ThumbnailLoader::Unlock()
{
    const std::lock_guard lock(shared_->mutex);
    if (shared_->locks > 0)
        --shared_->locks;
    shared_->changed.notify_all();
}

ThumbnailLoader::LaneSnapshot ThumbnailLoader::Lane(int lane) const
{
    LaneSnapshot snapshot;
    if (lane < 1 || lane > LaneCount)
        return snapshot;
    const std::lock_guard lock(shared_->mutex);
    const ThumbLane& source = shared_->Lanes[static_cast<std::size_t>(lane - 1)];
    snapshot.Count = source.Count;
    for (std::size_t i = 0; i < SlotCount; ++i)
        snapshot.Pictures[i] = source.Slots[i].Picture;
    return snapshot;
}
