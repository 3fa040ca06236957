#include "views/CCfaImagePane.h"

#include "document/CVantrelDoc.h"
#include "document/CommandIds.h"
#include "document/DetailedCaption.h"
#include "document/ReviewMenus.h"
#include "platform/CBButton.h"
#include "platform/CCommandBinder.h"
#include "platform/CSysColors.h"
#include "platform/Draw3dRect.h"
#include "platform/DrawEllipsisText.h"
#include "platform/MenuFromDefinition.h"
#include "platform/PaneFont.h"
#include "views/CCfaImageView.h"
#include "views/CDynDiapWnd.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int FullScreenImage = 0;
constexpr int AutomaticImage = 5;
constexpr int ColourButtonHeight = 34;
// The dynamic-range bar starts under the two buttons.
constexpr int DynamicRangeTop = CCfaImagePane::ToolWidth + ColourButtonHeight;
constexpr int CaptionIndent = 4;  // the text box is the strip moved right, its end past the edge

QRect Place(int x, int y, int cx, int cy)
{
    return QRect(x, y, std::max(cx, 0), std::max(cy, 0));
}

}  // namespace

CCfaImagePane::CCfaImagePane(CVantrelDoc& document, CCommandBinder& binder, QWidget* parent)
    : CPaneView(document, QStringLiteral("CFA Image Pane"), Id, parent),
      m_images(CImageList::FromDirectory(QStringLiteral(":/icons/detailed"))),
      m_font(PaneFont(*this))
{
    setFont(m_font);
    CreateButtons(binder);
    CreateDynamicRange();
    m_view = new CCfaImageView(document, binder, this);
    FollowFrameLevels();
    LayoutChildren();
}

void CCfaImagePane::CreateButtons(CCommandBinder& binder)
{
    m_fullScreenButton = new CBButton(QString(), 0, QRect(), this, ID_DETAILED_FULL_SCREEN);
    m_fullScreenButton->SetImageList(&m_images, FullScreenImage);
    m_colourButton = new CBButton(QString(), CBButton::StyleDropDown | CBButton::StyleDropDownBottom, QRect(), this,
                                  ID_COLOR_CYCLE);
    m_colourButton->SetImageList(&m_images, AutomaticImage);
    m_colourButton->AttachMenu(MenuFromDefinition(ColourCorrectionPopup(), this));
    for (CBButton* button : {m_fullScreenButton, m_colourButton}) {
        button->SetFont(m_font, false);
        binder.BindButton(*button);
    }
}

void CCfaImagePane::CreateDynamicRange()
{
    m_dynamicRange = new CDynDiapWnd(this);
    // The control's levels come as white, then black.
    connect(m_dynamicRange, &CDynDiapWnd::DynDiapNotify, this, [this](int highValue, int lowValue) {
        Document().SetDisplayRange(lowValue, highValue);
        // The bar shows the document's levels again, also where it refused these.
        FollowFrameLevels();
    });
}

void CCfaImagePane::LayoutChildren()
{
    const int cx = width();
    const int cy = height();
    m_fullScreenButton->setGeometry(Place(0, 0, ToolWidth, ToolWidth));
    m_colourButton->setGeometry(Place(0, ToolWidth, ToolWidth, ColourButtonHeight));
    m_dynamicRange->setGeometry(Place(0, DynamicRangeTop, ToolWidth, cy - DynamicRangeTop));
    m_view->setGeometry(Place(ToolWidth, ToolWidth, cx - ToolWidth, cy - ToolWidth));
}

void CCfaImagePane::resizeEvent(QResizeEvent* event)
{
    CPaneView::resizeEvent(event);
    LayoutChildren();
    update();
}

// The children repaint what changes in them; of the pane's own drawing only
// the caption can change.
void CCfaImagePane::OnUpdate(int /*hint*/, const CCommandHint* /*object*/)
{
    FollowFrameLevels();
    update(CaptionStrip());
}

// The range first, quietly: the markers are then kept within it. A drag keeps
// the bar under the officer's hand: set back by an update on the way (a
// playback tick comes every second), the markers would lose the movement so
// far, and the drag would end on levels the officer never chose.
void CCfaImagePane::FollowFrameLevels()
{
    if (m_dynamicRange->Dragging())
        return;
    const CCfaImage& frame = Document().FrameImage();
    m_dynamicRange->SetRange(frame.MinLevel, frame.MaxLevel, false);
    m_dynamicRange->SetPos(frame.WindowLow, frame.WindowHigh, true);
}

QString CCfaImagePane::CaptionText() const
{
    const CVantrelDoc& document = Document();
    if (!document.HasSelection())
        return {};
    return QString::fromStdString(
        DetailedCaption(document.Records().Content, document.CurrentLane(), document.CurrentLaneFrame()));
}

QRect CCfaImagePane::CaptionStrip() const
{
    return Place(ToolWidth, 0, width() - ToolWidth, ToolWidth);
}

void CCfaImagePane::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QRect strip = CaptionStrip();
    painter.fillRect(strip, CSysColors::Get(CSysColors::BtnFace, palette()));
    DrawRaisedRect(painter, strip, palette());
    painter.setFont(m_font);
    painter.setPen(CSysColors::Get(CSysColors::BtnText, palette()));
    DrawEllipsisText(painter, strip.translated(CaptionIndent, 0), CaptionText());
}
