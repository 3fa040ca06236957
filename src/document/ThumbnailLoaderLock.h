#pragma once

// Held around every move of a record directory, so that the thumbnail loader
// holds no file of the record while its directory moves.
class ThumbnailLoaderLock {
public:
    virtual ~ThumbnailLoaderLock() = default;

    // Waits as long as the loader takes to put the files down.
    virtual void Lock() = 0;
    virtual void Unlock() = 0;
};
