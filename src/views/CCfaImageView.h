#pragma once

#include "document/CReviewView.h"
#include "platform/CUprightPicture.h"

#include "platform/CScrollView.h"

#include <QPoint>

class CCommandBinder;
class CDibImage;
class CVantrelDoc;
class QMenu;

// The scrolling picture of the detailed view: the document's DetailedImage
// at the scale its Zoom gives, the face colour beside a smaller picture, a
// black frame along the picture's edges. The mouse drags the picture along
// the axes in which it is larger than the view; a double click and the
// context menu send their commands to the document.
class CCfaImageView : public CScrollView, public CReviewView {
    Q_OBJECT

public:
    static constexpr int Id = 110;

    // Registers itself with the document.
    CCfaImageView(CVantrelDoc& document, CCommandBinder& binder, QWidget* parent);
    ~CCfaImageView() override;

    // Only a new record and a new picture or zoom change the scroll range.
    void OnUpdate(int hint, const CCommandHint* object) override;

    QMenu& ContextMenu() const { return *m_contextMenu; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void FollowPicture();
    void PanTo(QPoint point);
    void ShowContextMenu(QPoint globalPoint);
    void Draw(QPainter& painter);
    void DrawPicture(QPainter& painter, const CDibImage& picture, QSize painted, const QRect& shown);

    CVantrelDoc& m_document;
    QMenu* m_contextMenu = nullptr;
    // The picture as it is scaled, copied once per rendering rather than at
    // every repaint (a drag pans by repainting).
    CUprightPicture m_upright;
    bool m_uprightStale = true;
    bool m_dragging = false;
    QPoint m_lastPoint;
};
