#include "platform/CScaledPicture.h"

#include "platform/ScaleDibSmooth.h"

const QImage& CScaledPicture::Scaled(const std::shared_ptr<const CDibImage>& picture, QSize size)
{
    if (picture == m_source && m_scaled.size() == size)
        return m_scaled;
    m_source = picture;
    m_scaled = ScaleDibSmooth(*picture, size);
    return m_scaled;
}

void CScaledPicture::Release()
{
    m_source.reset();
    m_scaled = QImage();
}
