#include "imaging/BandHelper.h"

#include <system_error>

BandHelper* BandHelper::Shared()
{
    static BandHelper helper;
    return helper.thread_.joinable() ? &helper : nullptr;
}

BandHelper::BandHelper()
{
    try {
        thread_ = std::thread([this] { Loop(); });
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
    ++finished_;
    return true;
}

void BandHelper::Wait(unsigned long ticket)
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this, ticket] { return finished_ >= ticket; });
}

void BandHelper::Loop()
{
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return (job_ && !taken_) || stop_; });
        if (!job_ || taken_)
            return;
        taken_ = true;
        const std::function<void()>* job = job_;
        lock.unlock();
        (*job)();
        lock.lock();
        job_ = nullptr;
        ++finished_;
        changed_.notify_all();
    }
}
