#include "platform/Draw3dRect.h"

#include "platform/CSysColors.h"

#include <QPainter>

void Draw3dRect(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight)
{
    if (rect.isEmpty())
        return;
    const int x = rect.x();
    const int y = rect.y();
    const int cx = rect.width();
    const int cy = rect.height();
    painter.fillRect(x, y, cx - 1, 1, topLeft);
    painter.fillRect(x, y, 1, cy - 1, topLeft);
    painter.fillRect(x + cx - 1, y, 1, cy, bottomRight);
    painter.fillRect(x, y + cy - 1, cx, 1, bottomRight);
}

void DrawSunkenRect(QPainter& painter, const QRect& rect, const QPalette& palette)
{
    Draw3dRect(painter, rect, CSysColors::Get(CSysColors::BtnShadow, palette),
               CSysColors::Get(CSysColors::BtnHighlight, palette));
}

void DrawRaisedRect(QPainter& painter, const QRect& rect, const QPalette& palette)
{
    Draw3dRect(painter, rect, CSysColors::Get(CSysColors::BtnHighlight, palette),
               CSysColors::Get(CSysColors::BtnShadow, palette));
}
