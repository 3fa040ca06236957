#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <QSize>

// A view over content of a size of its own, painted with its top-left corner
// moved by ScrollPosition(): a scroll bar shows only along an axis in which
// the content passes the view, and a page is the view's size.
class CScrollView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit CScrollView(QWidget* parent);

    QPoint ScrollPosition() const;
    // The size the scroll bars cover; (1, 1) until a view sets its own.
    QSize ScrollSize() const { return m_scrollSize; }

protected:
    void SetScrollSizes(QSize content);
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyScrollRange();

    QSize m_scrollSize{1, 1};
};
