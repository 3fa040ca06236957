#include "platform/CScaledPicture.h"

#include "imaging/CDibImage.h"
#include "platform/DibImageView.h"

#include <QPainter>

// Shrinking reads only the pixels it samples, so the picture is drawn from
// its own memory through a flip rather than copied upright first.
const QImage& CScaledPicture::Scaled(const std::shared_ptr<const CDibImage>& picture, QSize size)
{
    if (picture == m_source && m_scaled.size() == size)
        return m_scaled;
    m_source = picture;
    m_scaled = QImage(size, QImage::Format_RGB32);
    QPainter painter(&m_scaled);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(0, size.height());
    painter.scale(1.0, -1.0);
    painter.drawImage(QRectF(QPointF(), size), DibImageView(*picture));
    return m_scaled;
}
