#include "imaging/BackgroundThread.h"

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int LowestPriority = 19;

}  // namespace

// On Linux a thread's id names the thread alone, so only the caller moves.
// The idle class, not only the lowest nice value: the scheduler lets a
// running thread of any nice value finish its time slice (a millisecond and
// more) before a woken one gets the core, while an idle-class thread gives
// way at once. The nice value stays as the fallback where the class is
// refused.
void RunThisThreadInTheBackground()
{
    const sched_param none{};
    sched_setscheduler(gettid(), SCHED_IDLE, &none);
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), LowestPriority);
}
