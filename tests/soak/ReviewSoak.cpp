#include "ReviewSoak.h"

#include "ProcessMemory.h"
#include "RecordTreeDigest.h"
#include "RecordTreeWriter.h"
#include "ReviewRecordWriter.h"

#include "document/CommandIds.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

// Ticks far faster than the officer's second, so that the playback moves
// through every record many times over the run.
constexpr std::chrono::milliseconds TickInterval{2};
// Every so many toggles the officer waits for the thumbnails, at most this
// long: the ticks keep the event loop busy, so only a clock can tell a
// loader that never finishes.
constexpr int LookEvery = 10;
constexpr std::chrono::seconds LookLimit{20};

void PrintMemory(const char* when)
{
    std::printf("%s: %s\n", when, testsupport::ProcessMemory::Now().Text().c_str());
}

}  // namespace

ReviewSoak::ReviewSoak(int records, int toggles)
    : records_(records),
      toggles_(toggles),
      loader_(ui_, [this](int) { thumbnailsShown_ += loader_.Lane(document_.CurrentLane()).Count; }),
      timer_(ui_, [this] { OnTick(); }, TickInterval)
{
    WriteRecords();
    settings_.RootDirectory = root_.Path();
    document_.OnNewDocument();
    document_.SetLoaderLock(&lock_);
    document_.Refresh();
}

ReviewSoak::~ReviewSoak()
{
    timer_.Stop();
    loader_.Stop();
    document_.SetLoaderLock(nullptr);
}

void ReviewSoak::WriteRecords()
{
    for (int i = 0; i < records_; ++i) {
        const std::string name = testsupport::RecordName(2006, 3, 1, 10 + i / 3600, i / 60 % 60, i % 60);
        testsupport::WriteReviewRecord(root_.Path(), {name, 3, {5, 2, 1}, {}, {}});
    }
}

int ReviewSoak::Run()
{
    const std::vector<std::string> before = RecordTreeDigest(root_.Path());
    PrintMemory("start");
    const auto started = std::chrono::steady_clock::now();
    loader_.Start();
    timer_.Start();
    timer_.Play();
    for (int step = 0; step < toggles_; ++step) {
        Toggle();
        ui_.RunPending();
        if (step % LookEvery == 0 && !LookAtThumbnails())
            ++stalls_;
    }
    timer_.Pause();
    loader_.Withdraw();
    ui_.RunPending();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    PrintMemory("end");
    const std::vector<std::string> after = RecordTreeDigest(root_.Path());
    const auto failures = std::count_if(services_.Events.begin(), services_.Events.end(),
                                        [](const std::string& event) { return event.starts_with("ShowMessage"); });
    std::printf("%d toggles over %d records in %.1f s: %ld ticks, %ld thumbnails shown, %ld failed moves, "
                "%ld waits for thumbnails that never ended\n",
                toggles_, records_, took.count(), ticks_, thumbnailsShown_, static_cast<long>(failures), stalls_);
    const bool same = before == after && before.size() == static_cast<std::size_t>(records_);
    std::printf("records and their files %s\n", same ? "unchanged" : "CHANGED");
    return same && failures == 0 && stalls_ == 0 ? 0 : 1;
}

void ReviewSoak::Toggle()
{
    std::uniform_int_distribution<int> row(0, records_ - 1);
    const int index = row(random_);
    if (index != document_.Records().SelectedIndex) {
        document_.SelectRecord(index);
        HandOverThumbnails(ThumbnailJob::ReloadKind::All);
    }
    document_.OnCommand(random_() % 2 == 0 ? ID_RECORD_CONFIRM : ID_RECORD_REJECT);
    HandOverThumbnails(ThumbnailJob::ReloadKind::Moved);
}

void ReviewSoak::HandOverThumbnails(ThumbnailJob::ReloadKind reload)
{
    if (const std::optional<ThumbnailJob> job = ThumbnailJob::For(document_, reload))
        loader_.HandOver(*job);
    else
        loader_.Withdraw();
}

bool ReviewSoak::LookAtThumbnails()
{
    const auto allPainted = [this] {
        const ThumbnailLoader::LaneSnapshot lane = loader_.Lane(document_.CurrentLane());
        return std::all_of(lane.Pictures.begin(), lane.Pictures.begin() + lane.Count,
                           [](const auto& picture) { return picture != nullptr; });
    };
    const auto limit = std::chrono::steady_clock::now() + LookLimit;
    while (!allPainted()) {
        if (std::chrono::steady_clock::now() > limit || !ui_.WaitForTask())
            return false;
        ui_.RunPending();
    }
    return true;
}

// The playback pane's tick: the next frame, and at the end a restart.
void ReviewSoak::OnTick()
{
    ++ticks_;
    if (document_.Playing())
        document_.AdvancePlayback();
    else
        document_.OnCommand(ID_PLAY_RESTART);
}
