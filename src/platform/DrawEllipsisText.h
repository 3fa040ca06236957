#pragma once

#include <QRect>
#include <QString>

class QPainter;

// One line of text at the left of rect, centred vertically, cut with "..."
// when it does not fit, in the painter's current font and pen.
void DrawEllipsisText(QPainter& painter, const QRect& rect, const QString& text);
