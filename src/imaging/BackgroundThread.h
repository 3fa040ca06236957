#pragma once

// Lowers the calling thread to the lowest priority: on a busy machine it gets
// a core only when the threads the user waits for leave one. A system that
// refuses only costs the background work its speed.
void RunThisThreadInTheBackground();
