#include "ui/CShownGeneralFrame.h"

#include "document/CVantrelDoc.h"
#include "platform/CopyFromBitmap.h"

#include <QPainter>
#include <QString>

namespace {

// Strong reductions average every source pixel; down to half size and above,
// blending the nearest four is as sharp and several times faster, which
// keeps a step of full-screen playback close to the cost of decoding.
QImage ScaledPicture(const QImage& picture, QSize size)
{
    if (2 * size.width() < picture.width() || 2 * size.height() < picture.height())
        return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage scaled(size, QImage::Format_RGB32);
    QPainter painter(&scaled);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(scaled.rect(), picture);
    return scaled;
}

bool SamePath(const std::string& a, const std::string& b)
{
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

}  // namespace

void CShownGeneralFrame::Follow(const CVantrelDoc& document)
{
    m_index = document.CurrentGeneralFrame();
    const FrameEntry* entry = m_index >= 0 ? document.CurrentGeneralFrameEntry() : nullptr;
    if (!entry || SamePath(entry->Path, m_path))
        return;
    m_mac = entry->Mac;
    m_time = entry->Time;
    m_path = entry->Path;
    m_scaled = QImage();
    ++m_decodes;
    LoadImageFromFile(QString::fromStdString(m_path), m_picture);
}

const QImage& CShownGeneralFrame::Scaled(QSize size)
{
    if (m_scaled.size() != size)
        m_scaled = ScaledPicture(m_picture, size);
    return m_scaled;
}
