#include "views/CThumbView.h"

#include "document/CVantrelDoc.h"
#include "document/UpdateHints.h"
#include "platform/CSysColors.h"
#include "platform/CWinPanelStyle.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace {

constexpr int CurrentFrameWidth = 3;
const QColor CurrentFrameColour(255, 0, 0);

// A frame of the given width along the inside of rect.
void FrameInside(QPainter& painter, const QRect& rect, int width, const QColor& colour)
{
    painter.fillRect(rect.left(), rect.top(), rect.width(), width, colour);
    painter.fillRect(rect.left(), rect.bottom() - width + 1, rect.width(), width, colour);
    painter.fillRect(rect.left(), rect.top(), width, rect.height(), colour);
    painter.fillRect(rect.right() - width + 1, rect.top(), width, rect.height(), colour);
}

}  // namespace

CThumbView::CThumbView(CVantrelDoc& document, QWidget* parent)
    : CScrollView(parent),
      m_document(document),
      m_loader(m_dispatcher, [this](int slot) { OnSlotReady(slot); })
{
    setWindowTitle(QStringLiteral("Thumbnails View"));
    setObjectName(QString::number(Id));
    CWinPanelStyle::MakeSunkenPanel(*this);
    // Every pixel is painted; an erase first would only flicker.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    m_loader.Start();
    HandOver(ThumbnailJob::ReloadKind::All);
}

// Every hint repaints: the red frame follows the current frame, which
// changes with hint 4 alone.
void CThumbView::OnUpdate(int hint)
{
    if (hint == HINT_ALL)
        HandOver(ThumbnailJob::ReloadKind::All);
    else if (hint == HINT_COLOR)
        HandOver(ThumbnailJob::ReloadKind::Changed);
    viewport()->update();
}

void CThumbView::LockLoader()
{
    m_loader.Lock();
}

// The document sends only hint 1 after a move, and has reloaded the record
// from its new place by now: without this hand-over the loader would go on
// with paths that no longer exist and show black pictures of readable frames.
void CThumbView::UnlockLoader()
{
    HandOver(ThumbnailJob::ReloadKind::Moved);
    m_loader.Unlock();
}

// A job that drops every picture has the cells let go of theirs first: they
// then go back to the loader, which renders the next thumbnails into them
// instead of into memory fresh from the system. Pictures a job may keep stay
// scaled in their cells.
void CThumbView::HandOver(ThumbnailJob::ReloadKind reload)
{
    if (reload == ThumbnailJob::ReloadKind::All)
        for (CScaledPicture& cell : m_cells)
            cell.Release();
    if (const std::optional<ThumbnailJob> job = ThumbnailJob::For(m_document, reload))
        m_loader.HandOver(*job);
    else
        m_loader.Withdraw();
}

// The client height is the view's own, less the horizontal scroll bar where
// the cells made for the whole height would be wider than the view: the cells
// then fit above the bar, and no vertical bar comes with it. Worked out from
// the size without bars, so that a bar coming or going never changes the
// cells it was shown for.
ThumbStripLayout CThumbView::Layout() const
{
    const QSize whole = maximumViewportSize();
    const ThumbStripLayout wholeHeight(whole.height());
    if (wholeHeight.ContentSize().width() <= whole.width())
        return wholeHeight;
    return ThumbStripLayout(whole.height() - style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
}

// The cells grow with the view's height; the thumbnails made stay, stretched
// to the new cells.
void CThumbView::resizeEvent(QResizeEvent* event)
{
    CScrollView::resizeEvent(event);
    SetScrollSizes(Layout().ContentSize());
}

void CThumbView::OnSlotReady(int slot)
{
    viewport()->update(Layout().Cell(slot).translated(-ScrollPosition()));
}

void CThumbView::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter painter(viewport());
    painter.translate(-ScrollPosition());
    Draw(painter, Layout());
}

void CThumbView::Draw(QPainter& painter, const ThumbStripLayout& layout)
{
    const QPalette& colours = palette();
    // The borders round the cells and the rest of the strip are all face.
    painter.fillRect(QRect(ScrollPosition(), viewport()->size()), CSysColors::Get(CSysColors::BtnFace, colours));
    if (!m_document.HasSelection())
        return;
    const ThumbnailLoader::LaneSnapshot thumbs = m_loader.Lane(m_document.CurrentLane());
    for (int index = 0; index < thumbs.Count; ++index) {
        const QRect cell = layout.Cell(index);
        const auto slot = static_cast<std::size_t>(index);
        if (const auto& picture = thumbs.Pictures[slot])
            painter.drawImage(cell.topLeft(), m_cells[slot].Scaled(picture, cell.size()));
        else
            painter.fillRect(cell.adjusted(1, 1, -1, -1), CSysColors::Get(CSysColors::AppWorkspace, colours));
        if (index == m_document.CurrentLaneFrame() - 1)
            FrameInside(painter, cell, CurrentFrameWidth, CurrentFrameColour);
    }
}

void CThumbView::mousePressEvent(QMouseEvent* event)
{
    const std::vector<FrameEntry>* frames = m_document.CurrentLaneList();
    if (event->button() == Qt::LeftButton && frames) {
        const QPoint at = event->position().toPoint() + ScrollPosition();
        const int index = Layout().CellAt(at, static_cast<int>(frames->size()));
        if (index >= 0)
            m_document.SetLaneFrame(index + 1);
    }
    CScrollView::mousePressEvent(event);
}
