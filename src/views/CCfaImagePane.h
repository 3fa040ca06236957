#pragma once

#include "platform/CPaneView.h"

// The detailed view of the current lane frame.
class CCfaImagePane : public CPaneView {
    Q_OBJECT

public:
    static constexpr int Id = 112;

    CCfaImagePane(CVantrelDoc& document, QWidget* parent);
};
