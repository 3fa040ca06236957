#include "imaging/BandHelper.h"

#include "imaging/BackgroundThread.h"

#include <chrono>
#include <system_error>

namespace {

// How long either side polls before it sleeps. The steps of one frame follow
// each other within microseconds, so a short poll catches the next one. Any
// longer holds a core at the user's priority that the thumbnail loader, at
// the lowest, could render on; and a helper that must be woken after all
// costs little, since it only takes the chunks still left.
constexpr auto SpinTime = std::chrono::microseconds(50);

template <class Condition>
bool SpinUntil(const Condition& condition)
{
    const auto until = std::chrono::steady_clock::now() + SpinTime;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > until)
            return false;
#if defined(__x86_64__) && defined(__GNUC__)
        __builtin_ia32_pause();
#endif
    }
    return true;
}

thread_local BandHelper* ownHelper = nullptr;

}  // namespace

BandHelper* BandHelper::Shared()
{
    static BandHelper shared;
    BandHelper* helper = ownHelper ? ownHelper : &shared;
    return helper->thread_.joinable() ? helper : nullptr;
}

void BandHelper::UseOnThisThread(BandHelper* helper)
{
    ownHelper = helper;
}

BandHelper::BandHelper(Priority priority)
{
    try {
        thread_ = std::thread([this, priority] {
            if (priority == Priority::Background)
                RunThisThreadInTheBackground();
            Loop();
        });
    } catch (const std::system_error&) {
        // No helper: every job runs on its caller.
    }
}

BandHelper::~BandHelper()
{
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

unsigned long BandHelper::TryStart(const std::function<void()>& job)
{
    unsigned long ticket = 0;
    {
        const std::lock_guard lock(mutex_);
        if (job_ || stop_)
            return 0;
        job_ = &job;
        taken_ = false;
        ticket = ++started_;
        offered_ = true;
    }
    changed_.notify_all();
    return ticket;
}

bool BandHelper::Retract(unsigned long ticket)
{
    const std::lock_guard lock(mutex_);
    if (!job_ || taken_ || started_ != ticket)
        return false;
    job_ = nullptr;
    offered_ = false;
    ++finished_;
    return true;
}

void BandHelper::Wait(unsigned long ticket)
{
    if (SpinUntil([this, ticket] { return finished_ >= ticket; }))
        return;
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this, ticket] { return finished_ >= ticket; });
}

void BandHelper::Loop()
{
    std::unique_lock lock(mutex_);
    while (true) {
        if (!job_ && !stop_) {
            lock.unlock();
            SpinUntil([this] { return offered_.load(); });
            lock.lock();
        }
        changed_.wait(lock, [this] { return (job_ && !taken_) || stop_; });
        if (!job_ || taken_)
            return;
        taken_ = true;
        offered_ = false;
        const std::function<void()>* job = job_;
        lock.unlock();
        (*job)();
        lock.lock();
        job_ = nullptr;
        ++finished_;
        changed_.notify_all();
    }
}
