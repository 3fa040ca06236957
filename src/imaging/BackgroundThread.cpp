#include "imaging/BackgroundThread.h"

#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int LowestPriority = 19;

}  // namespace

// On Linux a thread's id names the thread alone, so only the caller moves.
void RunThisThreadInTheBackground()
{
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), LowestPriority);
}
