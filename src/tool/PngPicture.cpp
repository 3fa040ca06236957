#include "tool/PngPicture.h"

#include "platform/DibImageView.h"

#include <QBuffer>
#include <QByteArray>

std::string PngBytes(const CDibImage& picture)
{
    // The view holds the rows bottom-up; the file wants the top row first.
    const QImage upright = DibImageView(picture).mirrored(false, true);
    if (upright.isNull())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!upright.save(&buffer, "PNG"))
        return {};
    return bytes.toStdString();
}
