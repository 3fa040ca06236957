#pragma once

#include <QFont>

class QWidget;

// The font of every pane's texts: 8-point Tahoma at the vertical resolution
// of the widget's screen, normal weight.
QFont PaneFont(const QWidget& widget);
