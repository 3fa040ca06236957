#pragma once

#include "document/ThumbnailLoaderLock.h"
#include "platform/CPaneView.h"

// The strip of lane-frame thumbnails under the detailed view. Its loader is
// held off its files while a record directory moves.
class CThumbPane : public CPaneView, public ThumbnailLoaderLock {
    Q_OBJECT

public:
    static constexpr int Id = 106;

    CThumbPane(CVantrelDoc& document, QWidget* parent);

    void Lock() override;
    void Unlock() override;
};
