#include "ui/CRecordDirectoryPane.h"

CRecordDirectoryPane::CRecordDirectoryPane(CVantrelDoc& document, CCommandBinder& /*binder*/, QWidget* parent)
    : CPaneView(document, QStringLiteral("Record Pane"), Id, parent)
{
    // The pane stands in for its list, which takes the keyboard focus.
    setFocusPolicy(Qt::StrongFocus);
}
