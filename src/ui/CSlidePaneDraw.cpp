// The drawing of the general-view playback pane: every pixel outside its
// controls, from the frame the document shows now.
#include "ui/CSlidePane.h"

#include "document/CVantrelDoc.h"
#include "platform/CSysColors.h"
#include "platform/Draw3dRect.h"
#include "platform/DrawEllipsisText.h"
#include "records/RecordTime.h"

#include <QFontMetrics>
#include <QPainter>
#include <QSlider>

namespace {

constexpr int TextIndent = 4;  // from a bar's left edge, or up from its bottom

}  // namespace

QString CSlidePane::CounterText() const
{
    const int count = Document().GeneralFrameCount();
    if (count == 0)
        return QStringLiteral("0/0");
    return QStringLiteral("%1/%2").arg(Document().CurrentGeneralFrame() + 1).arg(count);
}

void CSlidePane::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter painter(this);
    Draw(painter);
}

void CSlidePane::Draw(QPainter& painter)
{
    m_frame.Follow(Document());
    const SlidePaneLayout layout(size());
    painter.setFont(m_font);
    painter.setPen(CSysColors::Get(CSysColors::BtnText, palette()));
    DrawSiteBar(painter, layout);
    DrawTimeBar(painter, layout);
    DrawCounterBar(painter, layout);
    DrawImageArea(painter, layout);
}

void CSlidePane::FillGrey(QPainter& painter, const QRect& rect) const
{
    painter.fillRect(rect, CSysColors::Get(CSysColors::BtnFace, palette()));
}

void CSlidePane::DrawSiteBar(QPainter& painter, const SlidePaneLayout& layout)
{
    const QRect bar = layout.SiteBar();
    FillGrey(painter, bar);
    if (m_frame.Index() >= 0) {
        const std::string site = Document().SiteDisplayText(m_frame.Mac());
        DrawEllipsisText(painter, bar.adjusted(TextIndent, 0, 0, 0), QString::fromStdString(site));
    }
    DrawSunkenRect(painter, bar, palette());
}

// The time reads from bottom to top, starting a little above the bar's
// bottom, its text cell centred across the bar.
void CSlidePane::DrawTimeBar(QPainter& painter, const SlidePaneLayout& layout) const
{
    const QRect bar = layout.TimeBar();
    FillGrey(painter, bar);
    if (m_frame.Index() >= 0) {
        const QString text = QString::fromStdString(FormatFrameTimeText(m_frame.Time()));
        const QFontMetrics metrics(m_font);
        painter.save();
        painter.translate((SlidePaneLayout::Cell - metrics.height()) / 2, bar.y() + bar.height() - TextIndent);
        painter.rotate(-90);
        painter.drawText(QPoint(0, metrics.ascent()), text);
        painter.restore();
    }
    DrawSunkenRect(painter, bar, palette());
}

void CSlidePane::DrawCounterBar(QPainter& painter, const SlidePaneLayout& layout) const
{
    const QRect bar = layout.CounterBar(m_slider->width());
    FillGrey(painter, bar);
    DrawEllipsisText(painter, bar.adjusted(TextIndent, 0, 0, 0), CounterText());
    DrawSunkenRect(painter, bar, palette());
}

void CSlidePane::DrawImageArea(QPainter& painter, const SlidePaneLayout& layout)
{
    const QRect area = layout.ImageArea();
    FillGrey(painter, area);
    if (m_frame.Index() >= 0 && m_frame.HasPicture()) {
        const QRect place = layout.PicturePlace(m_frame.PictureSize());
        if (!place.isEmpty())
            painter.drawImage(place.topLeft(), m_frame.Scaled(place.size()));
    }
    DrawSunkenRect(painter, area, palette());
}
