#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

// The program's icon: a signal head with its red light on.
QIcon ApplicationIcon();

// The icon drawn on a transparent square of SIZE pixels, as the installed
// PNG icons carry it.
QImage ApplicationIconImage(int size);

// The same drawing as an SVG document, for the scalable installed icon.
QString ApplicationIconSvg();
