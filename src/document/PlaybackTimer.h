#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

class UiDispatcher;

// The clock of the general-view playback: a thread that, while it plays,
// hands a tick over to the user-interface thread once per interval. The tick
// runs there, so the thread itself touches nothing of the review.
//
// Start makes the thread, stopped. Play is the hand-over: the interval is on
// and the thread's wait starts anew, so the first tick comes one interval
// later. Pause is the withdrawal: the interval is off, and a tick that was
// handed over but has not run yet is dropped. Stop ends the thread, waiting at
// most StopWait for it; a thread that has not ended by then is left to end on
// its own. Every call but the tick's is made on the user-interface thread;
// the outcome never depends on which thread runs first.
class PlaybackTimer {
public:
    using Tick = std::function<void()>;

    static constexpr std::chrono::milliseconds Interval{1000};
    static constexpr std::chrono::milliseconds StopWait{6000};

    PlaybackTimer(UiDispatcher& ui, Tick tick, std::chrono::milliseconds interval = Interval);
    ~PlaybackTimer();
    PlaybackTimer(const PlaybackTimer&) = delete;
    PlaybackTimer& operator=(const PlaybackTimer&) = delete;

    void Start();
    void Play();
    void Pause();
    void Stop();

    bool IsPlaying() const;

private:
    struct Shared;

    static void Run(const std::shared_ptr<Shared>& shared, UiDispatcher& ui, std::chrono::milliseconds interval);
    // Wakes the thread after a change of its state.
    void Change(bool playing, bool stopping);

    UiDispatcher& ui_;
    std::chrono::milliseconds interval_;
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};
