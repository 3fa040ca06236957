#pragma once

#include "imaging/BandHelper.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <functional>

// Splits [0, count) into two halves worked on at once by the calling thread
// and the shared helper thread, so a frame uses both cores of the machine.
// Small jobs, where the hand-over costs more than it saves, run on the calling
// thread alone, as does everything while the helper is busy or missing.
// work(begin, end) must only write what belongs to its own range, so the
// result never depends on timing.
template <class Work>
void RunInTwoBands(size_t count, size_t minimumForTwo, const Work& work)
{
    BandHelper* helper = count >= minimumForTwo ? BandHelper::Shared() : nullptr;
    const size_t middle = count / 2;
    const std::function<void()> secondHalf = [&work, middle, count] { work(middle, count); };
    const unsigned long ticket = helper ? helper->TryStart(secondHalf) : 0;
    if (ticket == 0) {
        work(0, count);
        return;
    }
    work(0, middle);
    if (helper->Retract(ticket))
        work(middle, count);
    else
        helper->Wait(ticket);
}

// Like RunInTwoBands, but [0, count) goes out in chunks of chunk to whichever
// of the two threads asks next, so that on a busy machine a helper that gets
// its core late takes only what is left, and one that loses it for a while
// leaves the calling thread its current chunk to wait for rather than the
// rest of half the frame. The bands handed to RunInTwoBands are the two
// threads, each taking chunks until none are left.
template <class Work>
void RunInTwoShares(size_t count, size_t chunk, size_t minimumForTwo, const Work& work)
{
    std::atomic<size_t> next{0};
    RunInTwoBands(count >= minimumForTwo ? 2 : 1, 2, [&](size_t, size_t) {
        for (size_t begin; (begin = next.fetch_add(chunk, std::memory_order_relaxed)) < count;)
            work(begin, std::min(begin + chunk, count));
    });
}
