#pragma once

#include <cstdint>
#include <string>

class CCfaImage;
class CDibImage;

// How a lane frame is turned into a picture, besides what the frame object
// itself carries (colour correction, gamma, cuts and display window).
struct LaneRendering {
    bool AutoWindow = false;     // set the display range from the frame first
    std::int32_t Filter = 0;     // 0 without, 1 Sharpen, 2 Sharpen strong, 3 Emboss
    bool BlackAndWhite = false;  // grey instead of colour
};

enum class LaneRenderResult {
    Unreadable,  // the file could not be read; the frame object kept its window
    NoPicture,   // read, but the visible area has no pixels to render into
    Rendered,
};

// Reads the frame at path into frame (its display window carries over,
// clamped), prepares and windows it, and renders its visible area into
// picture top row first, re-created when the size differs, then filters it.
// Unless the answer is Rendered the picture is not a rendering of this frame.
// The one road for the detailed view, the thumbnails, the printed pages and
// the command-line renderer.
LaneRenderResult RenderLaneFrame(CCfaImage& frame, const std::string& path, const LaneRendering& how,
                                 CDibImage& picture);
