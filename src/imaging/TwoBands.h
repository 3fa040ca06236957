#pragma once

#include "imaging/BandHelper.h"

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
