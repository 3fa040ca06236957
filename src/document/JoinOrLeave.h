#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// The end of a worker that sets ended (under mutex, notifying changed) as
// its last step: joined when it gets there within wait, else left to end on
// its own, which its shared state must survive. A thread never started is
// left alone.
void JoinOrLeave(std::thread& thread, std::mutex& mutex, std::condition_variable& changed, const bool& ended,
                 std::chrono::milliseconds wait);
