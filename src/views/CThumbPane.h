#pragma once

#include "platform/CPaneView.h"

// The strip of lane-frame thumbnails under the detailed view.
class CThumbPane : public CPaneView {
    Q_OBJECT

public:
    static constexpr int Id = 106;

    CThumbPane(CVantrelDoc& document, QWidget* parent);

    // Held around every move of a record directory, so that the thumbnail
    // loader has no file of the record open meanwhile.
    void LockLoader();
    void UnlockLoader();
};
