#pragma once

#include "platform/CPaneView.h"

class CCommandBinder;

// The general-view playback pane.
class CSlidePane : public CPaneView {
    Q_OBJECT

public:
    static constexpr int Id = 102;

    CSlidePane(CVantrelDoc& document, CCommandBinder& binder, QWidget* parent);
};
