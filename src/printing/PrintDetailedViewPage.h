#pragma once

class CVantrelDoc;
class PageCanvas;
struct PrintLayout;

// The lane frame at 0-based position of lane (1..3), decoded afresh with the
// document's colour correction and gamma and an automatic display range,
// under its site and caption: upright on a landscape print rectangle, turned
// counter-clockwise on a portrait one. A missing entry leaves the page empty,
// an undecodable frame leaves it without a picture. Unknown units join the
// site list.
void PrintDetailedViewPage(PageCanvas& canvas, const PrintLayout& layout, CVantrelDoc& document, int lane,
                           int position);
