#include "document/RenderLaneFrame.h"

#include "config/CVantrelSettings.h"
#include "imaging/CCfaImage.h"
#include "imaging/CDibImage.h"
#include "imaging/FilterKernels.h"
#include "imaging/ImageSize.h"

namespace {

// The rows that hold red are the odd ones on every camera of the system.
constexpr int BayerPhase = 1;

// Gives picture the size, keeping its pixels when it has that size already,
// so that a picture rendered into again and again is made only once; false
// when it has no pixels afterwards.
bool FitPicture(CDibImage& picture, const ImageSize& size)
{
    if (!picture.Bits() || picture.Width() != size.width || picture.Height() != size.height)
        picture.Create(size.width, size.height);
    return picture.Bits() != nullptr;
}

}  // namespace

LaneRenderResult RenderLaneFrame(CCfaImage& frame, const std::string& path, const LaneRendering& how,
                                 CDibImage& picture)
{
    if (!frame.Load(path))
        return LaneRenderResult::Unreadable;
    if (how.AutoWindow)
        frame.AutoWindow(CVantrelSettings::AutoClipDark, CVantrelSettings::AutoClipBright);
    const ImagePoint origin = frame.GetVisibleOrigin();
    const ImageSize size = frame.GetVisibleSize();
    if (!FitPicture(picture, size))
        return LaneRenderResult::NoPicture;
    uint8_t* top = picture.TopDownRow(0);
    const ptrdiff_t rowStep = -static_cast<ptrdiff_t>(picture.Stride());
    if (how.BlackAndWhite)
        frame.RenderGrey(top, rowStep, origin.x, origin.y, size.width, size.height, BayerPhase);
    else
        frame.RenderColour(top, rowStep, origin.x, origin.y, size.width, size.height, BayerPhase);
    if (const int32_t* kernel = FilterKernel(how.Filter))
        picture.Convolve(kernel, FilterKernelSize, 1);
    return LaneRenderResult::Rendered;
}
