#include "ui/CShownGeneralFrame.h"

#include "document/CVantrelDoc.h"
#include "platform/CopyFromBitmap.h"

#include <QString>

namespace {

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
        m_scaled = m_picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return m_scaled;
}
