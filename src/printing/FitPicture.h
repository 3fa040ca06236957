#pragma once

#include "printing/PageCanvas.h"

class CDibImage;

// Where a fitted picture sits in its area.
enum class PictureAnchor { TopLeft, BottomLeft, Centre };

// The size of a picture scaled by the smaller of the ratios that take it to
// the area's width and height, each side truncated toward zero. Empty for an
// empty picture or area, which therefore draw nothing.
PageExtent FitPicture(PageExtent picture, PageExtent area);

// Draws picture, first turned a quarter when turn is not Horizontal (as a
// line of that turn runs), fitted into area at anchor. A turn that cannot be
// made or an empty fit draws nothing.
void DrawFittedPicture(PageCanvas& canvas, const CDibImage& picture, TextTurn turn, const PageRect& area,
                       PictureAnchor anchor);
