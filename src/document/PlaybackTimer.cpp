#include "document/PlaybackTimer.h"

#include "document/JoinOrLeave.h"
#include "document/UiDispatcher.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

// Kept alive by the thread and by every tick handed over as well as by the
// timer, so that neither a thread left to end on its own nor a late tick
// touches freed memory.
struct PlaybackTimer::Shared {
    std::mutex mutex;
    std::condition_variable changed;
    bool woken = false;  // a wake-up the thread has not taken yet
    bool playing = false;
    bool stopping = false;
    bool ended = false;
    // Pause and Stop each start a new generation: a tick carries the one it
    // was made in and runs only while that is still the current one.
    std::atomic<unsigned> generation{0};
    Tick tick;
};

PlaybackTimer::PlaybackTimer(UiDispatcher& ui, Tick tick, std::chrono::milliseconds interval)
    : ui_(ui), interval_(interval), shared_(std::make_shared<Shared>())
{
    shared_->tick = std::move(tick);
}

PlaybackTimer::~PlaybackTimer()
{
    Stop();
}

void PlaybackTimer::Start()
{
    if (!thread_.joinable())
        thread_ = std::thread(Run, shared_, std::ref(ui_), interval_);
}

void PlaybackTimer::Run(const std::shared_ptr<Shared>& shared, UiDispatcher& ui, std::chrono::milliseconds interval)
{
    std::unique_lock lock(shared->mutex);
    const auto wakeUp = [&] { return shared->woken || shared->stopping; };
    while (!shared->stopping) {
        const bool woken = shared->playing ? shared->changed.wait_for(lock, interval, wakeUp)
                                           : (shared->changed.wait(lock, wakeUp), true);
        if (woken) {
            shared->woken = false;
            continue;
        }
        const unsigned generation = shared->generation.load();
        lock.unlock();
        ui.Post([shared, generation] {
            if (shared->generation.load() == generation)
                shared->tick();
        });
        lock.lock();
    }
    shared->ended = true;
    shared->changed.notify_all();
}

void PlaybackTimer::Change(bool playing, bool stopping)
{
    std::lock_guard lock(shared_->mutex);
    if (!playing)
        ++shared_->generation;
    shared_->playing = playing;
    shared_->stopping = shared_->stopping || stopping;
    shared_->woken = true;
    shared_->changed.notify_all();
}

void PlaybackTimer::Play()
{
    Change(true, false);
}

void PlaybackTimer::Pause()
{
    Change(false, false);
}

void PlaybackTimer::Stop()
{
    Change(false, true);
    JoinOrLeave(thread_, shared_->mutex, shared_->changed, shared_->ended, StopWait);
}

bool PlaybackTimer::IsPlaying() const
{
    std::lock_guard lock(shared_->mutex);
    return shared_->playing;
}
