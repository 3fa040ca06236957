#include "platform/CUprightPicture.h"

#include "imaging/CDibImage.h"
#include "platform/CopyDibBlock.h"

void CUprightPicture::CopyFrom(const CDibImage& dib)
{
    if (!dib.Bits()) {
        m_image = QImage();
        return;
    }
    const QSize size(dib.Width(), dib.Height());
    if (m_image.size() != size)
        m_image = QImage(size, QImage::Format_RGB32);
    // The pixels are taken once here: QImage's writable access counts
    // detaches and is not for two threads.
    CopyDibBlock(dib, QPoint(), size, m_image.bits(), m_image.bytesPerLine());
}
