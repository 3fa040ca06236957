#pragma once

#include "document/UiDispatcher.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace testsupport {

// The user-interface thread's queue, run by the test's own thread when it
// says so.
class QueueDispatcher : public UiDispatcher {
public:
    void Post(std::function<void()> task) override
    {
        const std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
        posted_.notify_all();
    }
    // Waits until a task has been handed over; false when none came in a
    // time far beyond any wait of these tests.
    bool WaitForTask()
    {
        std::unique_lock lock(mutex_);
        return posted_.wait_for(lock, std::chrono::seconds(20), [this] { return !tasks_.empty(); });
    }
    bool Empty()
    {
        const std::lock_guard lock(mutex_);
        return tasks_.empty();
    }
    void RunPending()
    {
        std::deque<std::function<void()>> tasks;
        {
            const std::lock_guard lock(mutex_);
            tasks.swap(tasks_);
        }
        for (const auto& task : tasks)
            task();
    }

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> tasks_;
};

}  // namespace testsupport
