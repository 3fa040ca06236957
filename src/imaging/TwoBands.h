#pragma once

#include <cstddef>
#include <system_error>
#include <thread>

// Splits [0, count) into two halves worked on at once by the calling thread
// and one helper, so a frame uses both cores of the machine. Small jobs, where
// starting a thread costs more than it saves, run on the calling thread alone,
// as does everything when no thread can be started. work(begin, end) must only
// write what belongs to its own range, so the result never depends on timing.
template <class Work>
void RunInTwoBands(size_t count, size_t minimumForTwo, const Work& work)
{
    if (count < minimumForTwo) {
        work(0, count);
        return;
    }
    const size_t middle = count / 2;
    std::thread helper;
    try {
        helper = std::thread([&work, middle, count] { work(middle, count); });
    } catch (const std::system_error&) {
        work(0, count);
        return;
    }
    work(0, middle);
    helper.join();
}
