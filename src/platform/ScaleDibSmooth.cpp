#include "platform/ScaleDibSmooth.h"

#include "imaging/ScalePictureSmooth.h"
#include "imaging/CDibImage.h"
#include "platform/CopyDibBlock.h"

QImage ScaleDibSmooth(const CDibImage& dib, QSize size)
{
    if (!dib.Bits() || size.isEmpty())
        return {};
    CDibImage scaled;
    const CDibImage* shown = &dib;
    if (size != QSize(dib.Width(), dib.Height())) {
        if (!scaled.Create(size.width(), size.height()))
            return {};
        ScalePictureSmooth(dib, scaled);
        shown = &scaled;
    }
    QImage image(size, QImage::Format_RGB32);
    CopyDibBlock(*shown, QPoint(), size, image.bits(), image.bytesPerLine());
    return image;
}
