#include "platform/CQtPageCanvas.h"

#include "platform/CUprightPicture.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int FontPoints = 8;
constexpr int TabStopCharacters = 8;

// The 8-point face at the device's resolution, rounded as the printer's
// own arithmetic rounds it.
QFont PrintFont(const QPaintDevice& device)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setWeight(QFont::Normal);
    font.setPixelSize(std::max(1, (FontPoints * device.logicalDpiY() + 36) / 72));
    return font;
}

QRect ToQRect(const PageRect& rect)
{
    return QRect(rect.Left, rect.Top, rect.Width(), rect.Height());
}

qreal TurnAngle(TextTurn turn)
{
    switch (turn) {
    case TextTurn::Clockwise:
        return 90.0;
    case TextTurn::CounterClockwise:
        return -90.0;
    case TextTurn::Horizontal:
        break;
    }
    return 0.0;
}

}  // namespace

CQtPageCanvas::CQtPageCanvas(QPainter& painter, const QPaintDevice& device)
    : m_painter(painter), m_device(device), m_font(PrintFont(device))
{
    m_painter.setFont(m_font);
    m_painter.setPen(Qt::black);
}

PageMetrics CQtPageCanvas::Metrics() const
{
    return {m_device.width(), m_device.height(), m_device.widthMM(), m_device.heightMM()};
}

PageExtent CQtPageCanvas::TextExtent(TextTurn /*turn*/, const std::string& text)
{
    // One face for every turn: a turned line measures as it reads.
    const QFontMetrics metrics(m_font, &m_device);
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

void CQtPageCanvas::DrawLineWithEllipsis(const PageRect& box, const std::string& text)
{
    const QFontMetrics metrics(m_font, &m_device);
    const QString line = metrics.elidedText(QString::fromStdString(text), Qt::ElideRight, box.Width());
    m_painter.drawText(ToQRect(box), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line);
}

void CQtPageCanvas::DrawLineWithTabs(const PageRect& box, const std::string& text)
{
    const QFontMetrics metrics(m_font, &m_device);
    const int stop = std::max(1, TabStopCharacters * metrics.averageCharWidth());
    const QStringList parts = QString::fromStdString(text).split(QLatin1Char('\t'));
    m_painter.save();
    m_painter.setClipRect(ToQRect(box));
    int x = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            x = (x / stop + 1) * stop;
        m_painter.drawText(box.Left + x, box.Top + metrics.ascent(), parts[i]);
        x += metrics.horizontalAdvance(parts[i]);
    }
    m_painter.restore();
}

void CQtPageCanvas::DrawClippedText(TextTurn turn, int originX, int originY, const PageRect& clip,
                                    const std::string& text)
{
    const QFontMetrics metrics(m_font, &m_device);
    m_painter.save();
    m_painter.setClipRect(ToQRect(clip));
    m_painter.translate(originX, originY);
    m_painter.rotate(TurnAngle(turn));
    m_painter.drawText(0, metrics.ascent(), QString::fromStdString(text));
    m_painter.restore();
}

void CQtPageCanvas::DrawPicture(const PageRect& target, const CDibImage& picture)
{
    CUprightPicture upright;
    upright.CopyFrom(picture);
    if (upright.Image().isNull() || target.Width() <= 0 || target.Height() <= 0)
        return;
    m_painter.save();
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.setRenderHint(QPainter::LosslessImageRendering);
    m_painter.drawImage(ToQRect(target), upright.Image());
    m_painter.restore();
}
