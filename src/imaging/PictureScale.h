#pragma once

#include "imaging/ImageSize.h"

// How the detailed view draws a picture: the painted size and the scroll range.
struct PictureScale {
    double Scale = 1.0;
    ImageSize Painted;
    // (1, 1) means no scrolling: fit to window, or no picture.
    ImageSize Scroll{1, 1};
};

// zoom is a percentage (50, 75, 100, 150, 200) or 0 for fit to window. A
// picture of no pixels (pass 0 x 0 when none is ready) paints nothing and
// does not scroll.
PictureScale ScalePicture(ImageSize picture, ImageSize client, int zoom);
