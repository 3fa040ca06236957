#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QPalette;

// A one-pixel 3-D frame along the inside of rect: the top and left edges in
// topLeft, the right and bottom edges in bottomRight. The bottom-right colour
// owns both far corners, the top-left colour stops one pixel short of them.
void Draw3dRect(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight);

// The two frames every pane draws, in the palette's shadow and highlight colours.
void DrawSunkenRect(QPainter& painter, const QRect& rect, const QPalette& palette);
void DrawRaisedRect(QPainter& painter, const QRect& rect, const QPalette& palette);
