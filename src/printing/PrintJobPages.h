#pragma once

#include "printing/PrintPageWalk.h"

class CVantrelDoc;
class PageCanvas;
class PrintPictures;
struct PrintLayout;

// The pages of the document's print request: how many there are and which
// page shows what. The request, the record and the lists are read afresh for
// every page; the document must not change them during a job.
class PrintJobPages {
public:
    PrintJobPages(CVantrelDoc& document, PrintPictures& pictures);

    // With the lines per page of layout (73 before the first job).
    int PageCount(const PrintLayout& layout) const;
    // Draws page (from 1) on canvas; a page beyond the walk draws nothing.
    void PrintPage(PageCanvas& canvas, const PrintLayout& layout, int page);

private:
    PrintPageWalk Walk(const PrintLayout& layout) const;

    CVantrelDoc& document_;
    PrintPictures& pictures_;
};
