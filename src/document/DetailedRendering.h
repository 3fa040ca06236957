#pragma once

#include "document/CommandState.h"
#include "imaging/CCfaImage.h"
#include "imaging/CDibImage.h"

#include <cstdint>

class CommandTable;
class CVantrelDoc;
class ReviewServices;
struct FrameEntry;

// The detailed view's settings and the rendering of the current lane frame
// with them: the loaded frame, its picture, zoom, filter and grey mode, and
// the commands that change them. The document owns it and says which frame is
// current; every command ends in the document's update hints.
class DetailedRendering {
public:
    DetailedRendering(CVantrelDoc& document, ReviewServices& services);
    DetailedRendering(const DetailedRendering&) = delete;
    DetailedRendering& operator=(const DetailedRendering&) = delete;

    void DefineCommands(CommandTable& commands);

    const CCfaImage& FrameImage() const { return frameImage_; }
    const CDibImage& DetailedImage() const { return detailedImage_; }
    bool Ready() const { return ready_; }
    std::int32_t Zoom() const { return zoom_; }
    std::int32_t Filter() const { return filter_; }
    bool BlackAndWhite() const { return blackAndWhite_; }

    // A new document corrects colours automatically.
    void OnNewDocument();
    // The cuts of the settings, taken anew at every refresh.
    void ApplySettingsCuts();
    // The next rendering first sets the display range from the frame.
    void RequestAutoWindow() { resetDynamicRange_ = true; }
    // Renders the frame, or with null has nothing to show.
    void Rebuild(const FrameEntry* frame);
    // The levels of the dynamic-range control, in either order; false (and
    // nothing done) while no picture is ready.
    bool SetDisplayRange(int low, int high, const FrameEntry* frame);

private:
    void OnColourCorrection(int id);
    void OnColourCycle(int id);
    void OnGamma(int id);
    void OnFilter(int id);
    void OnBlackAndWhite(int id);
    void OnZoom(int id);
    // Colour and gamma tell the views before the rendering as well as after.
    void RenderColourChange();
    void RenderAndShow();

    CommandState ColourRule(int id) const;
    CommandState ColourCycleRule(int id) const;
    CommandState GammaRule(int id) const;
    CommandState FilterRule(int id) const;
    CommandState BlackAndWhiteRule(int id) const;
    CommandState ZoomRule(int id) const;

    CVantrelDoc& document_;
    ReviewServices& services_;
    CDibImage detailedImage_;
    CCfaImage frameImage_;
    bool ready_ = false;
    bool resetDynamicRange_ = true;
    std::int32_t zoom_ = 100;  // percent; 0 fits the window
    std::int32_t filter_ = 0;  // 0 none, 1 Sharpen, 2 Sharpen strong, 3 Emboss
    bool blackAndWhite_ = false;
};
