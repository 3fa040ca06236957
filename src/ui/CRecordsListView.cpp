#include "ui/CRecordsListView.h"

#include <QMouseEvent>
#include <QStyle>

#include <algorithm>

namespace {

// The widest line of each kind: the time text, and the time text with a
// note code of up to three digits and its text mark.
const char* const WidestLine = "00-00-0000 00:00:00";
const char* const WidestNotedLine = "00-00-0000 00:00:00(000)+";
constexpr int IconSide = 16;

}  // namespace

CRecordsListView::CRecordsListView(QWidget* parent) : QListView(parent)
{
    setViewMode(QListView::ListMode);
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(IconSide, IconSide));
    // Every row has the same size, so a refill lays out without asking any
    // row for its text.
    setUniformItemSizes(true);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // The selection looks the same with and without the focus.
    QPalette colors = palette();
    colors.setColor(QPalette::Inactive, QPalette::Highlight, colors.color(QPalette::Active, QPalette::Highlight));
    colors.setColor(QPalette::Inactive, QPalette::HighlightedText,
                    colors.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colors);
    connect(this, &QListView::activated, this, [this](const QModelIndex& index) { emit RowPicked(index.row()); });
}

void CRecordsListView::FitColumnsToLines(bool withNotes)
{
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(QLatin1String(withNotes ? WidestNotedLine : WidestLine));
    // The item draws a margin on either side of its icon and of its text.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int height = std::max(IconSide, metrics.height()) + 2;
    const QSize cell(IconSide + textWidth + 4 * margin + spacing() + 2, height);
    if (gridSize() != cell)
        setGridSize(cell);
}

void CRecordsListView::ShowCurrentRow(int row)
{
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index, QAbstractItemView::EnsureVisible);
}

// Rows are all of one size, so a changed row moves nothing, and the list has
// no editors to bring up to date.
void CRecordsListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                   const QList<int>& roles)
{
    if (topLeft == bottomRight && topLeft.isValid())
        update(topLeft);
    else
        QListView::dataChanged(topLeft, bottomRight, roles);
}

void CRecordsListView::mouseReleaseEvent(QMouseEvent* event)
{
    QListView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit RowPicked(indexAt(event->position().toPoint()).row());
}
