#pragma once

#include <QColor>
#include <QPalette>

// The desktop's fixed colour slots, as the panes and controls name them, taken
// from a palette so that a style or a test can change them in one place.
class CSysColors {
public:
    enum Index {
        BtnText,      // text on buttons and panes
        BtnFace,      // face of buttons and every empty pane area (also the 3-D face)
        BtnHighlight, // light edge of 3-D frames
        BtnShadow,    // dark edge of 3-D frames
        GrayText,     // text of disabled controls
        AppWorkspace, // the grey behind documents: the range bar's band, a thumbnail still waiting
    };

    // The colours do not follow a widget's enabled state: a disabled control
    // asks for GrayText itself.
    static QColor Get(Index index, const QPalette& palette);
};
