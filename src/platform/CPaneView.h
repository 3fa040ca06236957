#pragma once

#include "document/CReviewView.h"
#include "platform/CCommandTarget.h"

#include <QWidget>

class CVantrelDoc;

// A working pane of the main view: a child window with a window name and a
// control id, registered with the document by its creator. It never erases
// its background; until a pane draws its own contents, its whole area is the
// button face inside a sunken frame. Commands it does not handle go to its
// parent, as menu commands would.
class CPaneView : public QWidget, public CReviewView, public CCommandTarget {
    Q_OBJECT

public:
    CPaneView(CVantrelDoc& document, const QString& windowName, int id, QWidget* parent);
    ~CPaneView() override;

    int ControlId() const { return m_id; }
    CVantrelDoc& Document() const { return m_document; }

    // Every hint repaints the pane.
    void OnUpdate(int hint, const CCommandHint* object) override;
    void OnCommand(int id, QWidget* control) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CVantrelDoc& m_document;
    int m_id;
};
