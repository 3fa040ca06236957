#include "platform/PaintDibUnscaled.h"

#include "imaging/CDibImage.h"
#include "platform/CopyDibBlock.h"
#include "platform/DibImageView.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>

namespace {

bool TakesOpaque32(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

// The image the painter writes into, when it draws there pixel for pixel
// and an opaque source replaces what it covers.
QImage* DirectTarget(const QPainter& painter)
{
    QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || painter.hasClipping() || painter.opacity() < 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    const QTransform& toDevice = painter.deviceTransform();
    const bool wholePixels = toDevice.type() <= QTransform::TxTranslate && toDevice.dx() == qRound(toDevice.dx()) &&
                             toDevice.dy() == qRound(toDevice.dy());
    return wholePixels && image->devicePixelRatio() == 1.0 && TakesOpaque32(image->format()) ? image : nullptr;
}

// The engine began on this image and holds its pixels; the constant access
// reaches the same memory without the detach check of the writable one.
void CopyInto(QImage& image, const QRect& rect, const CDibImage& dib, QPoint origin)
{
    auto* bits = const_cast<uchar*>(std::as_const(image).constBits());
    const qsizetype stride = image.bytesPerLine();
    CopyDibBlock(dib, rect.topLeft() - origin, rect.size(), bits + rect.y() * stride + rect.x() * qsizetype{4},
                 stride);
}

}  // namespace

void PaintDibUnscaled(QPainter& painter, QPoint at, const CDibImage& dib, const QRect& bounds)
{
    if (!dib.Bits())
        return;
    const QRect picture(at, QSize(dib.Width(), dib.Height()));
    QImage* image = DirectTarget(painter);
    if (!image) {
        painter.save();
        painter.setClipRect(bounds, Qt::IntersectClip);
        painter.drawImage(at, DibImageView(dib).mirrored(false, true));
        painter.restore();
        return;
    }
    const QTransform& toDevice = painter.deviceTransform();
    const QPoint origin = toDevice.map(at);
    // The system clip, in device pixels, is what this paint may touch; none
    // leaves the whole image.
    const QRegion systemClip = painter.paintEngine()->systemClip();
    QRegion shown = systemClip.isEmpty() ? QRegion(image->rect()) : systemClip & image->rect();
    shown &= toDevice.mapRect(bounds & picture);
    for (const QRect& rect : shown)
        CopyInto(*image, rect, dib, origin);
}
