#include "platform/CBButton.h"

#include "platform/CImageList.h"
#include "platform/CSysColors.h"
#include "platform/Draw3dRect.h"
#include "platform/DrawEllipsisText.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>

namespace {

constexpr int kDropDownStrip = 10; // width or height of the arrow strip
constexpr int kIconMargin = 8;     // room around the icon beside a caption

// Rectangles are computed with exclusive right and bottom edges; an inverted
// one is empty and contains no point.
QRect Ltrb(int left, int top, int right, int bottom)
{
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

int RightOf(const QRect& rect) { return rect.x() + rect.width(); }
int BottomOf(const QRect& rect) { return rect.y() + rect.height(); }

} // namespace

CBButton::CBButton(const QString& caption, quint32 style, const QRect& rect, QWidget* parent, int id)
    : QWidget(parent), m_text(caption), m_style(style), m_id(id)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setGeometry(rect);
    Relayout();
    if (parent)
        show();
}

void CBButton::SetChecked(bool checked)
{
    if (ChangeState(StateChecked, checked))
        update();
}

void CBButton::SetImageIndex(int index)
{
    m_imageIndex = index;
    update();
}

void CBButton::SetImageList(const CImageList* imageList, int index)
{
    m_imageList = imageList;
    m_imageIndex = index;
    Relayout();
    update();
}

void CBButton::AttachMenu(QMenu* menu)
{
    m_menu = menu;
    update();
}

void CBButton::SetFont(const QFont& font, bool redraw)
{
    setFont(font);
    if (redraw)
        repaint();
}

void CBButton::SetWindowText(const QString& text)
{
    m_text = text;
    Relayout();
    update();
}

bool CBButton::ChangeState(quint32 bits, bool on)
{
    const quint32 before = m_state;
    m_state = on ? (m_state | bits) : (m_state & ~bits);
    return m_state != before;
}

void CBButton::Layout(int cx, int cy)
{
    int partWidth = cx;
    int partHeight = cy;
    m_dropDownRect = QRect();
    if (m_style & StyleDropDown) {
        if (m_style & StyleDropDownBottom) {
            m_dropDownRect = Ltrb(0, cy - kDropDownStrip, cx, cy);
            partHeight = cy - kDropDownStrip;
        } else {
            m_dropDownRect = Ltrb(cx - kDropDownStrip, 0, cx, cy);
            partWidth = cx - kDropDownStrip;
        }
    }
    m_buttonRect = Ltrb(0, 0, partWidth, partHeight);
    m_imageRect = m_imageList ? m_buttonRect : QRect();
    m_captionRect = m_text.isEmpty() ? QRect() : m_buttonRect;
    if (m_text.isEmpty() || !m_imageList)
        return;
    const QSize icon = m_imageList->IconSize();
    if (m_style & StyleCaptionBelow) {
        m_captionRect = Ltrb(0, icon.height() + kIconMargin, partWidth, partHeight);
        m_imageRect = Ltrb(0, 0, partWidth, icon.height() + kIconMargin);
    } else {
        m_captionRect = Ltrb(icon.width() + kIconMargin, 0, partWidth, partHeight);
        m_imageRect = Ltrb(0, 0, icon.width() + kIconMargin, partHeight);
    }
}

void CBButton::Draw(QPainter& painter)
{
    const QPalette& colors = palette();
    const QColor foreground =
        CSysColors::Get(isEnabled() ? CSysColors::BtnText : CSysColors::GrayText, colors);
    painter.save();
    painter.setFont(font());
    painter.setPen(QPen(foreground, 1));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.fillRect(rect(), CSysColors::Get(CSysColors::BtnFace, colors));
    if (m_style & StyleDropDown) {
        DrawPart(painter, m_dropDownRect, HasState(StateChecked | StateDropDownPressed | StatePressed));
        DrawArrow(painter, foreground);
    }
    DrawPart(painter, m_buttonRect, HasState(StateChecked | StatePressed));
    DrawIcon(painter);
    if (!m_text.isEmpty())
        DrawEllipsisText(painter, m_captionRect, m_text);
    painter.restore();
}

void CBButton::DrawPart(QPainter& painter, const QRect& part, bool sunken) const
{
    const QPalette& colors = palette();
    if (sunken) {
        DrawSunkenRect(painter, part, colors);
        if (IsChecked())
            Draw3dRect(painter, part.adjusted(1, 1, -1, -1), CSysColors::Get(CSysColors::BtnText, colors),
                       CSysColors::Get(CSysColors::BtnFace, colors));
    } else if (HasState(StateHover)) {
        DrawRaisedRect(painter, part, colors);
    }
}

void CBButton::DrawArrow(QPainter& painter, const QColor& color) const
{
    // A downward triangle of three shrinking lines, centred in the strip.
    const QRect& strip = m_dropDownRect;
    const int dx = (strip.width() - 6) / 2;
    const int dy = (strip.height() - 3) / 2;
    const int left = strip.x() + dx;
    const int right = RightOf(strip) - dx;
    const int top = strip.y() + dy;
    for (int line = 0; line < 3; ++line) {
        const int length = right - left - 2 * line;
        if (length > 0)
            painter.fillRect(left + line, top + line, length, 1, color);
    }
}

void CBButton::DrawIcon(QPainter& painter) const
{
    if (!m_imageList)
        return;
    const QSize icon = m_imageList->IconSize();
    const QPoint at((m_imageRect.x() + RightOf(m_imageRect) - icon.width()) / 2,
                    (m_imageRect.y() + BottomOf(m_imageRect) - icon.height()) / 2);
    std::optional<QColor> blend;
    if (!isEnabled())
        blend = CSysColors::Get(CSysColors::BtnHighlight, palette());
    m_imageList->Draw(painter, m_imageIndex, at, blend);
}

void CBButton::SendCommand(int id)
{
    QMetaObject::invokeMethod(this, [this, id] { emit Command(id); }, Qt::QueuedConnection);
}

QMenu* CBButton::DropDownMenu() const
{
    if (!m_menu)
        return nullptr;
    const QList<QAction*> items = m_menu->actions();
    if (!items.isEmpty() && items.first()->menu())
        return items.first()->menu();
    return m_menu;
}

int CBButton::RunMenu(QMenu& popup, const QPoint& screenPos)
{
    const QAction* chosen = popup.exec(screenPos);
    return chosen ? chosen->data().toInt() : 0;
}

void CBButton::ShowDropDown()
{
    QMenu* popup = DropDownMenu();
    if (!popup)
        return;
    emit MenuAboutToShow(popup);
    const int id = RunMenu(*popup, mapToGlobal(QPoint(0, height())));
    if (id != 0)
        SendCommand(id);
}

void CBButton::Click()
{
    SendCommand(m_id);
}

void CBButton::DropDownPressed()
{
    ChangeState(StateDropDownPressed, true);
    repaint();
    if (!m_menu)
        return;
    // The menu runs its own event loop, in which the button may be destroyed.
    QPointer<CBButton> alive(this);
    ShowDropDown();
    if (alive)
        DropDownReleased();
}

void CBButton::DropDownReleased()
{
    ChangeState(StateDropDownPressed, false);
    repaint();
}

void CBButton::ButtonPressed()
{
    ChangeState(StatePressed, true);
    repaint();
    if ((m_style & StyleDropDown) || !m_menu) {
        m_capturing = true;
        return;
    }
    // Without an arrow strip the whole button opens the menu, and the
    // chosen command replaces the button's own.
    QPointer<CBButton> alive(this);
    ShowDropDown();
    if (alive)
        ButtonReleased();
}

void CBButton::ButtonReleased()
{
    if (m_capturing) {
        m_capturing = false;
        Click();
    }
    ChangeState(StatePressed, false);
    repaint();
}

void CBButton::MouseMoved()
{
    const quint32 bit = m_capturing ? StatePressed : StateHover;
    if (ChangeState(bit, true))
        update();
}

void CBButton::MouseLeft()
{
    const quint32 bit = m_capturing ? StatePressed : StateHover;
    if (ChangeState(bit, false))
        update();
}

void CBButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    Draw(painter);
}

void CBButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Relayout();
}

void CBButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    if (m_buttonRect.contains(at))
        ButtonPressed();
    else if ((m_style & StyleDropDown) && m_dropDownRect.contains(at))
        DropDownPressed();
}

void CBButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    // The press grabs the mouse until this release, wherever it happens; away
    // from the button the pressed look is already off, so the press just ends.
    if (HasState(StatePressed))
        ButtonReleased();
    else if (HasState(StateDropDownPressed))
        DropDownReleased();
    else
        m_capturing = false;
}

void CBButton::mouseMoveEvent(QMouseEvent* event)
{
    // Moves outside arrive only while the mouse is held; they mean the mouse
    // has left the button, which the grab keeps the leave event from saying.
    if (rect().contains(event->position().toPoint()))
        MouseMoved();
    else
        MouseLeft();
}

void CBButton::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    MouseLeft();
}
