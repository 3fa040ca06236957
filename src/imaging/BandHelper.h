#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// One worker thread for the whole process, started on first use, so that
// splitting a frame across both cores does not pay for a new thread each
// time. Only one job runs on it at a time; a caller that finds it busy (the
// thumbnail loader rendering while the detailed view does) does all its work
// itself.
class BandHelper {
public:
    // The shared helper; null when no thread could be started.
    static BandHelper* Shared();

    BandHelper();
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
