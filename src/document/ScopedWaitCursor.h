#pragma once

class ReviewServices;

// Shows the wait cursor for the lifetime of the object, on every way out.
class ScopedWaitCursor {
public:
    explicit ScopedWaitCursor(ReviewServices& services);
    ~ScopedWaitCursor();
    ScopedWaitCursor(const ScopedWaitCursor&) = delete;
    ScopedWaitCursor& operator=(const ScopedWaitCursor&) = delete;

private:
    ReviewServices& services_;
};
