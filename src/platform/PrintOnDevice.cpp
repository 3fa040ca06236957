#include "platform/PrintOnDevice.h"

#include "platform/CQtPageCanvas.h"
#include "printing/PrintJobPages.h"
#include "printing/PrintLayout.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

int PrintOnDevice(QPagedPaintDevice& device, PrintJobPages& pages, PrintLayout& layout, int first, int last)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    CQtPageCanvas canvas(painter, device);
    layout.Begin(canvas);
    const int count = pages.PageCount(layout);
    const int end = last <= 0 ? count : std::min(last, count);
    int drawn = 0;
    for (int page = std::max(first, 1); page <= end; ++page) {
        if (drawn > 0)
            device.newPage();
        pages.PrintPage(canvas, layout, page);
        ++drawn;
    }
    painter.end();
    return drawn;
}
