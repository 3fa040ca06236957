#include "platform/DrawEllipsisText.h"

#include <QFontMetrics>
#include <QPainter>

void DrawEllipsisText(QPainter& painter, const QRect& rect, const QString& text)
{
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, rect.width());
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}
