#include "views/CCfaImageView.h"

#include "document/CVantrelDoc.h"
#include "document/CommandIds.h"
#include "document/ReviewMenus.h"
#include "document/UpdateHints.h"
#include "imaging/PictureScale.h"
#include "platform/CCommandBinder.h"
#include "platform/CSysColors.h"
#include "platform/CWinPanelStyle.h"
#include "platform/DibImageView.h"
#include "platform/Draw3dRect.h"
#include "platform/MenuFromDefinition.h"
#include "platform/PaintDibUnscaled.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

ImageSize PictureSize(const CVantrelDoc& document)
{
    if (!document.DetailedImageReady())
        return {0, 0};
    return {document.DetailedImage().Width(), document.DetailedImage().Height()};
}

// The new position along one axis: the picture follows the mouse only where
// it is larger than the view.
int Panned(int position, int client, int total, int moved)
{
    return client < total ? std::max(0, position - moved) : position;
}

}  // namespace

CCfaImageView::CCfaImageView(CVantrelDoc& document, CCommandBinder& binder, QWidget* parent)
    : CScrollView(parent), m_document(document)
{
    setObjectName(QString::number(Id));
    setWindowTitle(QStringLiteral("CFA Image View"));
    CWinPanelStyle::MakeSunkenPanel(*this);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(Qt::OpenHandCursor);
    // The hand opens at the first move after a drag, with no button held.
    viewport()->setMouseTracking(true);
    m_contextMenu = MenuFromDefinition(DetailedViewPopup(), this);
    binder.BindMenu(*m_contextMenu);
    FollowPicture();
    m_document.AddView(this);
}

CCfaImageView::~CCfaImageView()
{
    m_document.RemoveView(this);
}

void CCfaImageView::OnUpdate(int hint, const CCommandHint* /*object*/)
{
    if (hint != HINT_ALL && hint != HINT_IMAGE)
        return;
    // Every new rendering ends in one of these hints.
    m_uprightStale = true;
    FollowPicture();
    viewport()->update();
}

void CCfaImageView::FollowPicture()
{
    const ImageSize scroll = ScalePicture(PictureSize(m_document), {}, m_document.Zoom()).Scroll;
    // (1, 1) while the picture fits: no scroll bars.
    SetScrollSizes(QSize(scroll.width, scroll.height));
}

void CCfaImageView::scrollContentsBy(int /*dx*/, int /*dy*/)
{
    viewport()->update();
}

void CCfaImageView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(viewport());
    Draw(painter);
}

// In scrolled coordinates: the picture stands at the origin, the client area
// at the scroll position.
void CCfaImageView::Draw(QPainter& painter)
{
    const QColor face = CSysColors::Get(CSysColors::BtnFace, palette());
    const QSize client = viewport()->size();
    if (!m_document.DetailedImageReady()) {
        painter.fillRect(QRect(QPoint(), client), face);
        return;
    }
    const CDibImage& picture = m_document.DetailedImage();
    const ImageSize painted =
        ScalePicture(PictureSize(m_document), {client.width(), client.height()}, m_document.Zoom()).Painted;
    const int w = painted.width;
    const int h = painted.height;
    const QRect shown(ScrollPosition(), client);
    painter.translate(-shown.topLeft());
    DrawPicture(painter, picture, QSize(w, h), shown);
    const int right = shown.x() + shown.width();
    const int bottom = shown.y() + shown.height();
    if (right > w)
        painter.fillRect(QRect(w, shown.y(), right - w, shown.height()), face);
    if (bottom > h)
        painter.fillRect(QRect(shown.x(), h, shown.width(), bottom - h), face);
    // The frame runs round the picture's outer pixels; round a single pixel
    // it is a line of no length and leaves the pixel shown.
    if (w > 1 || h > 1)
        Draw3dRect(painter, QRect(0, 0, w, h), Qt::black, Qt::black);
}

// At its own size the picture goes straight to the screen, only the part
// shown; scaled, it is drawn from the upright copy, made once per rendering.
void CCfaImageView::DrawPicture(QPainter& painter, const CDibImage& picture, QSize painted, const QRect& shown)
{
    if (painted == QSize(picture.Width(), picture.Height())) {
        PaintDibUnscaled(painter, QPoint(), picture, shown);
        return;
    }
    if (m_uprightStale) {
        m_upright.CopyFrom(picture);
        m_uprightStale = false;
    }
    PaintUprightPicture(painter, QRectF(QPointF(), painted), m_upright.Image());
}

void CCfaImageView::PanTo(QPoint point)
{
    const QPoint moved = point - m_lastPoint;
    const QSize client = viewport()->size();
    const QPoint from = ScrollPosition();
    // The scroll bars keep the position within their range.
    horizontalScrollBar()->setValue(Panned(from.x(), client.width(), ScrollSize().width(), moved.x()));
    verticalScrollBar()->setValue(Panned(from.y(), client.height(), ScrollSize().height(), moved.y()));
    m_lastPoint = point;
}

void CCfaImageView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        ShowContextMenu(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return CScrollView::mousePressEvent(event);
    m_dragging = true;
    m_lastPoint = event->position().toPoint();
    viewport()->setCursor(Qt::ClosedHandCursor);
}

void CCfaImageView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging)
        PanTo(event->position().toPoint());
    else if (viewport()->cursor().shape() != Qt::OpenHandCursor)
        viewport()->setCursor(Qt::OpenHandCursor);
}

void CCfaImageView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return CScrollView::mouseReleaseEvent(event);
    m_dragging = false;
    PanTo(event->position().toPoint());
}

void CCfaImageView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return CScrollView::mouseDoubleClickEvent(event);
    // After the click's own events, as a posted command comes.
    QMetaObject::invokeMethod(this, [this] { m_document.OnCommand(ID_DETAILED_FULL_SCREEN); },
                              Qt::QueuedConnection);
}

// Centred horizontally on the point of the click.
void CCfaImageView::ShowContextMenu(QPoint globalPoint)
{
    m_contextMenu->popup(QPoint(globalPoint.x() - m_contextMenu->sizeHint().width() / 2, globalPoint.y()));
}
