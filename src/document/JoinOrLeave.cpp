#include "document/JoinOrLeave.h"

void JoinOrLeave(std::thread& thread, std::mutex& mutex, std::condition_variable& changed, const bool& ended,
                 std::chrono::milliseconds wait)
{
    if (!thread.joinable())
        return;
    std::unique_lock lock(mutex);
    const bool inTime = changed.wait_for(lock, wait, [&] { return ended; });
    lock.unlock();
    if (inTime)
        thread.join();
    else
        thread.detach();
}
