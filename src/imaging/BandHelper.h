#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// A worker thread that takes its share of a frame's work beside the calling
// thread, so that splitting a frame across both cores does not pay for a new
// thread each time. One is shared by the whole process, started on first
// use; background work (the thumbnails) brings its own at the lowest
// priority, so that it never holds the shared one while the user waits for a
// frame, and gives way to it on a busy machine. Only one job runs on a helper at a time; a caller
// that finds it busy does all its work itself.
class BandHelper {
public:
    enum class Priority { Normal, Background };

    // The calling thread's helper: its own when it brought one, else the
    // shared one; null when no thread could be started.
    static BandHelper* Shared();
    // The calling thread works with helper (kept alive by the caller as long
    // as the thread uses it) instead of the shared one.
    static void UseOnThisThread(BandHelper* helper);

    explicit BandHelper(Priority priority = Priority::Normal);
    ~BandHelper();
    BandHelper(const BandHelper&) = delete;
    BandHelper& operator=(const BandHelper&) = delete;

    // Hands job to the helper unless it is busy; a ticket above 0 when it
    // took it, and the caller must then Wait for that ticket before job goes
    // away.
    unsigned long TryStart(const std::function<void()>& job);
    // Takes the job back when the helper has not begun it (it is not given
    // a core while the machine is busy); true means the caller runs it.
    bool Retract(unsigned long ticket);
    void Wait(unsigned long ticket);

private:
    void Loop();

    std::mutex mutex_;
    std::condition_variable changed_;
    const std::function<void()>* job_ = nullptr;
    bool taken_ = false;
    unsigned long started_ = 0;
    // Also read without the lock while spinning.
    std::atomic<unsigned long> finished_{0};
    bool stop_ = false;
    // Whether job_ is there and not taken, read without the lock while
    // spinning.
    std::atomic<bool> offered_{false};
    std::thread thread_;
};
