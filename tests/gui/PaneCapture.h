#pragma once

// A pane as printing takes it, and the check the pane tests make on it.

#include "platform/CPaneView.h"

#include <QImage>
#include <QPainter>

namespace shelltest {

// On magenta, which no pane paints, so that a pixel left out shows.
inline QImage Capture(CPaneView& pane)
{
    QImage image(pane.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    pane.PrintClient(painter);
    return image;
}

// Every pixel of a rectangle that is not empty has the colour.
inline bool Filled(const QImage& image, const QRect& rect, QRgb colour)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixel(x, y) != colour)
                return false;
    return !rect.isEmpty();
}

}  // namespace shelltest
