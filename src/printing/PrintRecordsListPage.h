#pragma once

class CVantrelDoc;
class PageCanvas;
struct PrintLayout;

// "Records list" and the root as heading, then the visible rows from
// firstRow as the records list shows them, with their decision after a tab,
// as far as the page's lines and the rows go.
void PrintRecordsListPage(PageCanvas& canvas, const PrintLayout& layout, const CVantrelDoc& document, int firstRow);
