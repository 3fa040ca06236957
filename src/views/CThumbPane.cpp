#include "views/CThumbPane.h"

#include "document/CVantrelDoc.h"
#include "document/CommandIds.h"
#include "document/DetailedCaption.h"
#include "document/ThumbnailCaption.h"
#include "platform/CBButton.h"
#include "platform/CCommandBinder.h"
#include "platform/CSysColors.h"
#include "platform/PaneFont.h"
#include "views/CThumbView.h"

#include <QPainter>

namespace {

constexpr int ButtonWidth = 105;
constexpr int CaptionIndent = 4;  // from the pane's right edge

}  // namespace

CThumbPane::CThumbPane(CVantrelDoc& document, CCommandBinder& binder, QWidget* parent)
    : CPaneView(document, QStringLiteral("Thumbnails Pane"), Id, parent),
      m_images(CImageList::FromDirectory(QStringLiteral(":/icons/lanes"))),
      m_font(PaneFont(*this)),
      m_view(new CThumbView(document, this))
{
    setFont(m_font);
    CreateButtons(binder);
}

void CThumbPane::CreateButtons(CCommandBinder& binder)
{
    for (int index = 0; index < 3; ++index) {
        const QRect place(index * ButtonWidth, 0, ButtonWidth, ButtonHeight);
        const QString text = QString::fromStdString(LaneName(index + 1));
        auto* button = new CBButton(text, 0, place, this, ID_LANE_LEFT + index);
        button->SetImageList(&m_images, index);
        button->SetFont(m_font, false);
        m_buttons[static_cast<std::size_t>(index)] = button;
        binder.BindButton(*button);
    }
}

void CThumbPane::resizeEvent(QResizeEvent* event)
{
    CPaneView::resizeEvent(event);
    m_view->setGeometry(0, ButtonHeight, width(), std::max(0, height() - ButtonHeight));
    update();
}

void CThumbPane::OnUpdate(int hint, const CCommandHint* object)
{
    m_view->OnUpdate(hint);
    CPaneView::OnUpdate(hint, object);
}

void CThumbPane::Lock()
{
    m_view->LockLoader();
}

void CThumbPane::Unlock()
{
    m_view->UnlockLoader();
}

QString CThumbPane::CaptionText() const
{
    const CVantrelDoc& document = Document();
    if (!document.HasSelection())
        return {};
    return QString::fromStdString(
        ThumbnailCaption(document.Records().Content, document.CurrentLane(), document.CurrentLaneFrame()));
}

// Only the caption strip: the tabs and the view cover the rest.
void CThumbPane::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter painter(this);
    const QRect strip(CaptionLeft, 0, width() - CaptionLeft, ButtonHeight);
    painter.fillRect(strip, CSysColors::Get(CSysColors::BtnFace, palette()));
    painter.setFont(m_font);
    painter.setPen(CSysColors::Get(CSysColors::BtnText, palette()));
    painter.drawText(strip.adjusted(0, 0, -CaptionIndent, 0), Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                     CaptionText());
}
