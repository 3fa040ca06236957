#pragma once

#include "document/ThumbnailLoader.h"
#include "document/ThumbnailLoaderLock.h"

// The document's lock around record moves, on the real loader, as the
// thumbnails pane gives it.
class SoakLoaderLock : public ThumbnailLoaderLock {
public:
    explicit SoakLoaderLock(ThumbnailLoader& loader) : loader_(loader) {}

    void Lock() override { loader_.Lock(); }
    void Unlock() override { loader_.Unlock(); }

private:
    ThumbnailLoader& loader_;
};
