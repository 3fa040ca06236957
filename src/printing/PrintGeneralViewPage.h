#pragma once

class CVantrelDoc;
class PageCanvas;
class PrintPictures;
struct PrintLayout;

// The general-view frame at 0-based position, with the next one when
// secondFrame is set: each with its site and time above its bitmap, stacked
// on a portrait print rectangle, side by side and turned clockwise (the first
// on the right) on a landscape one. A frame without entry or bitmap ends the
// page there. Unknown units join the site list.
void PrintGeneralViewPage(PageCanvas& canvas, const PrintLayout& layout, CVantrelDoc& document,
                          PrintPictures& pictures, int position, bool secondFrame);
