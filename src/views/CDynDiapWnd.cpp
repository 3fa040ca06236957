#include "views/CDynDiapWnd.h"

#include "platform/CSysColors.h"
#include "platform/CWinPanelStyle.h"
#include "platform/Draw3dRect.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int GrooveInset = 4;
constexpr int GrooveTop = 8;
constexpr int GrooveHeight = 4;

}  // namespace

CDynDiapWnd::CDynDiapWnd(QWidget* parent) : QFrame(parent)
{
    setObjectName(QString::number(Id));
    setWindowTitle(QStringLiteral("Dynamic Diapason"));
    // The sunken two-pixel client edge; the bar is what lies inside it.
    CWinPanelStyle::MakeSunkenPanel(*this);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void CDynDiapWnd::SetRange(int a, int b, bool repaint)
{
    m_geometry.SetRange(a, b);
    Relayout(repaint);
}

void CDynDiapWnd::SetPos(int a, int b, bool repaint)
{
    m_geometry.SetPos(a, b);
    Relayout(repaint);
}

void CDynDiapWnd::Relayout(bool repaint)
{
    m_geometry.Layout(contentsRect().size());
    if (repaint)
        update();
}

void CDynDiapWnd::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    Relayout(false);
}

QPoint CDynDiapWnd::ClientPoint(const QMouseEvent& event) const
{
    return event.position().toPoint() - contentsRect().topLeft();
}

void CDynDiapWnd::Hover(DynDiapGeometry::Part part)
{
    if (part == m_hoverPart)
        return;
    if (m_hoverPart != DynDiapGeometry::NoPart)
        m_states[m_hoverPart] = Normal;
    m_hoverPart = part;
    if (part != DynDiapGeometry::NoPart)
        m_states[part] = Hot;
    update();
}

// Movement is relative: the last point follows the mouse even where the part
// could not.
void CDynDiapWnd::DragTo(QPoint point)
{
    m_geometry.Drag(m_capturedPart, point.y() - m_lastPoint.y());
    m_lastPoint = point;
    update();
}

void CDynDiapWnd::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = ClientPoint(*event);
    if (m_dragging)
        DragTo(point);
    else
        Hover(m_geometry.HitTest(point));
}

void CDynDiapWnd::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_dragging)
        return;
    const QPoint point = ClientPoint(*event);
    // A press without a move before it still finds its part.
    Hover(m_geometry.HitTest(point));
    if (m_hoverPart == DynDiapGeometry::NoPart)
        return;
    m_capturedPart = m_hoverPart;
    m_dragging = true;
    m_states[m_capturedPart] = Pressed;
    m_lastPoint = point;
    update();
}

// The part dragged is the one pressed, wherever the mouse went meanwhile, so
// a drag that ends outside the bar still tells its levels, once.
void CDynDiapWnd::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    const QPoint point = ClientPoint(*event);
    DragTo(point);
    m_states[m_capturedPart] = Normal;
    m_hoverPart = DynDiapGeometry::NoPart;
    Hover(m_geometry.HitTest(point));
    m_capturedPart = DynDiapGeometry::NoPart;
    emit DynDiapNotify(m_geometry.HighValue(), m_geometry.LowValue());
}

// While a drag holds the mouse the pressed part keeps its look; the release
// settles the hover.
void CDynDiapWnd::leaveEvent(QEvent* event)
{
    QFrame::leaveEvent(event);
    if (!m_dragging)
        Hover(DynDiapGeometry::NoPart);
}

void CDynDiapWnd::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect client = contentsRect();
    painter.setClipRect(client);
    painter.translate(client.topLeft());
    const QRect high = m_geometry.PartRect(DynDiapGeometry::HighHandle);
    const QRect low = m_geometry.PartRect(DynDiapGeometry::LowHandle);
    DrawHandle(painter, DynDiapGeometry::HighHandle, QRect(0, 0, client.width(), high.y() + high.height()));
    DrawBand(painter);
    DrawHandle(painter, DynDiapGeometry::LowHandle, QRect(0, low.y(), client.width(), client.height() - low.y()));
}

// The face from the bar's end to the handle, a groove across the handle and
// its border.
void CDynDiapWnd::DrawHandle(QPainter& painter, DynDiapGeometry::Part part, const QRect& area) const
{
    const QPalette& colors = palette();
    painter.fillRect(area, CSysColors::Get(CSysColors::BtnFace, colors));
    const QRect handle = m_geometry.PartRect(part);
    DrawRaisedRect(painter,
                   QRect(handle.x() + GrooveInset, handle.y() + GrooveTop, handle.width() - 2 * GrooveInset,
                         GrooveHeight),
                   colors);
    DrawBorder(painter, handle, m_states[part]);
}

void CDynDiapWnd::DrawBand(QPainter& painter) const
{
    const QRect band = m_geometry.PartRect(DynDiapGeometry::Band);
    painter.fillRect(band, CSysColors::Get(CSysColors::AppWorkspace, palette()));
    const PartState state = m_states[DynDiapGeometry::Band];
    if (state == Normal) {
        const QColor face = CSysColors::Get(CSysColors::BtnFace, palette());
        Draw3dRect(painter, band, face, face);
    } else {
        DrawBorder(painter, band, state);
    }
}

void CDynDiapWnd::DrawBorder(QPainter& painter, const QRect& rect, PartState state) const
{
    if (state == Hot)
        DrawRaisedRect(painter, rect, palette());
    else if (state == Pressed)
        DrawSunkenRect(painter, rect, palette());
}
