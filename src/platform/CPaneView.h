#pragma once

#include "document/CReviewView.h"

#include <QWidget>

class CVantrelDoc;
class QPainter;

// A working pane of the main view: a child window with a window name and a
// control id, registered with the document by its creator. It never erases
// its background; until a pane draws its own contents, its whole area is the
// button face inside a sunken frame.
class CPaneView : public QWidget, public CReviewView {
    Q_OBJECT

public:
    CPaneView(CVantrelDoc& document, const QString& windowName, int id, QWidget* parent);
    ~CPaneView() override;

    int ControlId() const { return m_id; }
    CVantrelDoc& Document() const { return m_document; }

    // Every hint repaints the pane.
    void OnUpdate(int hint, const CCommandHint* object) override;
    // Paints the pane as it stands on the screen, its controls included, with
    // its top-left corner at the painter's origin: what a capture of the
    // screen or a printed page takes from it.
    void PrintClient(QPainter& painter);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CVantrelDoc& m_document;
    int m_id;
};
