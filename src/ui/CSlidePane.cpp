#include "ui/CSlidePane.h"

CSlidePane::CSlidePane(CVantrelDoc& document, QWidget* parent)
    : CPaneView(document, QStringLiteral("Slide Pane"), Id, parent)
{
}
