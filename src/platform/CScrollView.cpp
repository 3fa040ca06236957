#include "platform/CScrollView.h"

#include <QScrollBar>

#include <algorithm>

CScrollView::CScrollView(QWidget* parent) : QAbstractScrollArea(parent)
{
}

QPoint CScrollView::ScrollPosition() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CScrollView::SetScrollSizes(QSize content)
{
    m_scrollSize = content;
    ApplyScrollRange();
}

void CScrollView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    ApplyScrollRange();
}

void CScrollView::ApplyScrollRange()
{
    const QSize client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, m_scrollSize.width() - client.width()));
    horizontalScrollBar()->setPageStep(client.width());
    verticalScrollBar()->setRange(0, std::max(0, m_scrollSize.height() - client.height()));
    verticalScrollBar()->setPageStep(client.height());
}
