#pragma once

#include "platform/CPaneView.h"

class CCommandBinder;

// The records list pane.
class CRecordDirectoryPane : public CPaneView {
    Q_OBJECT

public:
    static constexpr int Id = 124;

    CRecordDirectoryPane(CVantrelDoc& document, CCommandBinder& binder, QWidget* parent);

    // The control in which the mark keys (the digits and minus) work.
    QWidget* RecordsList() { return this; }
};
