#include "platform/CQtPrintPictures.h"

#include "platform/CopyFromBitmap.h"

#include <QImage>
#include <QWidget>

#include <utility>

namespace {

// Through a picture of its own, so that a failure leaves the caller's as it was.
bool LoadInto(const QString& path, CDibImage& picture)
{
    CDibImage loaded;
    if (!LoadDibFromFile(path, loaded))
        return false;
    picture = std::move(loaded);
    return true;
}

}  // namespace

CQtPrintPictures::CQtPrintPictures(QWidget* mainView, QString subpoenaFormPath)
    : m_mainView(mainView), m_subpoenaFormPath(std::move(subpoenaFormPath))
{
}

bool CQtPrintPictures::LoadBitmap(const std::string& path, CDibImage& picture)
{
    return LoadInto(QString::fromStdString(path), picture);
}

// The view paints itself and its panes into the picture, as it would paint
// the screen: no window manager, overlapping window or offscreen platform
// can spoil it.
bool CQtPrintPictures::CaptureMainView(CDibImage& picture)
{
    if (!m_mainView || m_mainView->width() <= 0 || m_mainView->height() <= 0)
        return false;
    QImage capture(m_mainView->size(), QImage::Format_RGB32);
    capture.fill(Qt::white);
    m_mainView->render(&capture, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    CDibImage captured;
    if (!CopyFromBitmap(capture, captured))
        return false;
    picture = std::move(captured);
    return true;
}

bool CQtPrintPictures::LoadSubpoenaForm(CDibImage& picture)
{
    return LoadInto(m_subpoenaFormPath, picture);
}
