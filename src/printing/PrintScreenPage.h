#pragma once

class PageCanvas;
class PrintPictures;
struct PrintLayout;

// The main view as it looks now, fitted into the print rectangle from its
// top-left corner, turned counter-clockwise when the rectangle is higher than
// wide. A failed capture leaves the page empty.
void PrintScreenPage(PageCanvas& canvas, const PrintLayout& layout, PrintPictures& pictures);
