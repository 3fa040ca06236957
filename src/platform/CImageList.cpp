#include "platform/CImageList.h"

#include <QBitmap>
#include <QDir>
#include <QImage>
#include <QPainter>

CImageList::CImageList(const QPixmap& strip, int iconWidth, const std::optional<QColor>& mask)
    : m_strip(strip), m_iconSize(iconWidth, strip.height())
{
    if (mask)
        m_strip.setMask(m_strip.createMaskFromColor(*mask, Qt::MaskInColor));
}

CImageList CImageList::FromDirectory(const QString& directory)
{
    const QFileInfoList files =
        QDir(directory).entryInfoList({"*.png"}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        return {};
    const QSize size = QPixmap(files.first().filePath()).size();
    QPixmap strip(size.width() * files.size(), size.height());
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    for (int i = 0; i < files.size(); ++i)
        painter.drawPixmap(QRect(QPoint(i * size.width(), 0), size), QPixmap(files[i].filePath()));
    painter.end();
    return CImageList(strip, size.width());
}

int CImageList::Count() const
{
    return m_iconSize.width() > 0 ? m_strip.width() / m_iconSize.width() : 0;
}

QPixmap CImageList::Icon(int index) const
{
    return m_strip.copy(QRect(QPoint(index * m_iconSize.width(), 0), m_iconSize));
}

void CImageList::Draw(QPainter& painter, int index, const QPoint& topLeft,
                      const std::optional<QColor>& blend) const
{
    if (index < 0 || index >= Count())
        return;
    if (!blend) {
        painter.drawPixmap(topLeft, m_strip, QRect(QPoint(index * m_iconSize.width(), 0), m_iconSize));
        return;
    }
    // Mixing only where the icon has paint keeps its transparent parts clear.
    QImage icon = Icon(index).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter mixer(&icon);
    mixer.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    mixer.setOpacity(0.5);
    mixer.fillRect(icon.rect(), *blend);
    mixer.end();
    painter.drawImage(topLeft, icon);
}
