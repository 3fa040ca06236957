#pragma once

#include "imaging/BandHelper.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <functional>
#include <type_traits>

// Picture rows a thread takes at a time: work enough to outweigh taking it,
// little enough that a helper that starts late still finds some left.
constexpr size_t RowsPerShare = 32;

// Works [0, count) on the calling thread and the shared helper thread at once,
// so a frame uses both cores of the machine: it goes out in chunks of chunk
// to whichever of the two asks next. A helper that wakes late (it sleeps
// between frames, and waking a core takes a while on a virtual machine) or
// gets its core late on a busy machine takes only what is left, and one that
// loses its core for a while leaves the calling thread its current chunk to
// wait for. Small jobs, where the hand-over costs more than it saves, run on
// the calling thread alone, as does everything while the helper is busy or
// missing.
//
// work is called as work(begin, end) or, where it keeps a running result per
// thread, as work(begin, end, share): share is 0 or 1, and the calls of one
// share never run at the same time, so what a share sums up needs no lock.
// work must only write what belongs to its own chunk and share, and which
// chunks a share gets depends on timing, so what shares sum up must not
// depend on the order: the result never depends on timing.
template <class Work>
void RunInTwoShares(size_t count, size_t chunk, size_t minimumForTwo, const Work& work)
{
    std::atomic<size_t> next{0};
    const auto takeChunks = [&](size_t share) {
        for (size_t begin; (begin = next.fetch_add(chunk, std::memory_order_relaxed)) < count;) {
            const size_t end = std::min(begin + chunk, count);
            if constexpr (std::is_invocable_v<const Work&, size_t, size_t, size_t>)
                work(begin, end, share);
            else
                work(begin, end);
        }
    };
    BandHelper* helper = count >= minimumForTwo ? BandHelper::Shared() : nullptr;
    const std::function<void()> helperShare = [&takeChunks] { takeChunks(1); };
    const unsigned long ticket = helper ? helper->TryStart(helperShare) : 0;
    takeChunks(0);
    // Taken back unbegun, the helper's share has nothing left to take.
    if (ticket != 0 && !helper->Retract(ticket))
        helper->Wait(ticket);
}
