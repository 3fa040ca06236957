#pragma once

#include <QImage>

class QPainter;

// The subpoena form that is printed beside the main window: a portrait page
// with the office's heading, the fields an officer fills in by hand, the
// summons text and places for signature and seal.
class SubpoenaPainter {
public:
    static constexpr int Width = 850;
    static constexpr int Height = 1100;

    static QImage Paint();

private:
    static void PaintHeading(QPainter& painter);
    static int PaintFields(QPainter& painter, int top);
    static int PaintSummons(QPainter& painter, int top);
    static void PaintSignature(QPainter& painter, int top);
};
