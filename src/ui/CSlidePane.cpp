#include "ui/CSlidePane.h"

CSlidePane::CSlidePane(CVantrelDoc& document, CCommandBinder& /*binder*/, QWidget* parent)
    : CPaneView(document, QStringLiteral("Slide Pane"), Id, parent)
{
}
