#include "views/CCfaImagePane.h"

CCfaImagePane::CCfaImagePane(CVantrelDoc& document, QWidget* parent)
    : CPaneView(document, QStringLiteral("CFA Image Pane"), Id, parent)
{
}
