#pragma once

#include "printing/PageCanvas.h"

#include <cstdint>

// The geometry of the current (or the last) print job in device pixels: the
// print rectangle inside the margins, the character cell and the text lines a
// page holds. It keeps its values after a job.
struct PrintLayout {
    static constexpr std::int32_t LinesBeforeFirstJob = 73;

    PageRect PrintRect;
    PageExtent Cell;  // the letter "M"
    std::int32_t LinesPerPage = LinesBeforeFirstJob;

    // The start of a job on canvas: margins, cell and lines from its page and
    // its fonts.
    void Begin(PageCanvas& canvas);

    // The pages of a print rectangle higher than wide stack what a wider one
    // puts side by side.
    bool PortraitPrintRect() const { return PrintRect.Height() > PrintRect.Width(); }
};

// n millimetres across and down a page in its pixels, rounded down.
int MillimetresAcross(const PageMetrics& page, int n);
int MillimetresDown(const PageMetrics& page, int n);
