#include "views/CThumbPane.h"

CThumbPane::CThumbPane(CVantrelDoc& document, QWidget* parent)
    : CPaneView(document, QStringLiteral("Thumbnails Pane"), Id, parent)
{
}

// The pane has no loader thread yet, so there is nothing to hold off: a move
// may go ahead at once.
void CThumbPane::Lock()
{
}

void CThumbPane::Unlock()
{
}
