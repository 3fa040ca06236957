#pragma once

#include "platform/CPaneView.h"

// The general-view playback pane.
class CSlidePane : public CPaneView {
    Q_OBJECT

public:
    static constexpr int Id = 102;

    CSlidePane(CVantrelDoc& document, QWidget* parent);
};
