#pragma once

#include "printing/PageCanvas.h"

#include <QFont>

class QPaintDevice;
class QPainter;

// The page canvas of a printer, the print preview and a PDF file (and of any
// picture, for the tests): 8-point Tahoma at the device's resolution, lines
// turned by rotating the painter, pictures scaled smoothly and kept lossless
// (a printed frame is evidence and must never be compressed with loss).
class CQtPageCanvas final : public PageCanvas {
public:
    // painter is active on device for as long as the canvas is used.
    CQtPageCanvas(QPainter& painter, const QPaintDevice& device);

    PageMetrics Metrics() const override;
    PageExtent TextExtent(TextTurn turn, const std::string& text) override;
    void DrawLineWithEllipsis(const PageRect& box, const std::string& text) override;
    void DrawLineWithTabs(const PageRect& box, const std::string& text) override;
    void DrawClippedText(TextTurn turn, int originX, int originY, const PageRect& clip,
                         const std::string& text) override;
    void DrawPicture(const PageRect& target, const CDibImage& picture) override;

private:
    QPainter& m_painter;
    const QPaintDevice& m_device;
    QFont m_font;
};
