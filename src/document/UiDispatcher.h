#pragma once

#include <functional>

// Hands work from a worker thread to the user-interface thread, which runs it
// later in its own event loop. Posting never waits for the other side, so a
// worker cannot block on the user interface.
class UiDispatcher {
public:
    virtual ~UiDispatcher() = default;

    // Safe from any thread.
    virtual void Post(std::function<void()> task) = 0;
};
