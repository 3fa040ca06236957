#include "platform/CopyFromBitmap.h"

#include "base/FileBytes.h"
#include "records/BmpPixelsInside.h"

#include <QImage>
#include <QString>

#include <cstring>

bool CopyFromBitmap(const QImage& bitmap, CDibImage& dib)
{
    if (bitmap.isNull()) {
        dib.Create(0, 0);
        return false;
    }
    // Qt has already decoded palettes, masks and row order; its 24-bit
    // blue-green-red rows run from the top, ours from the bottom.
    const QImage bgr = bitmap.convertToFormat(QImage::Format_BGR888);
    if (bgr.isNull() || !dib.Create(bgr.width(), bgr.height()))
        return false;
    const size_t rowBytes = 3 * static_cast<size_t>(bgr.width());
    for (int y = 0; y < bgr.height(); ++y) {
        uint8_t* row = dib.TopDownRow(y);
        std::memcpy(row, bgr.constScanLine(y), rowBytes);
        std::memset(row + rowBytes, 0, static_cast<size_t>(dib.Stride()) - rowBytes);
    }
    return true;
}

namespace {

// Qt's reader fills the rows missing from a bitmap cut short; such a file is
// as broken as one it cannot read.
bool Complete(const std::string& bytes)
{
    return !bytes.starts_with("BM") || BmpPixelsInside(bytes);
}

}  // namespace

bool LoadImageFromFile(const QString& path, QImage& image)
{
    const std::optional<std::string> bytes = ReadFileBytes(path.toStdString());
    image = QImage();
    return bytes && Complete(*bytes) &&
           image.loadFromData(QByteArray::fromRawData(bytes->data(), qsizetype(bytes->size())));
}

bool LoadDibFromFile(const QString& path, CDibImage& dib)
{
    QImage image;
    if (!LoadImageFromFile(path, image)) {
        dib.Create(0, 0);
        return false;
    }
    return CopyFromBitmap(image, dib);
}
