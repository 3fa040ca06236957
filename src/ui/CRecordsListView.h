#pragma once

#include <QListView>

// The records list as a list-mode list view: rows flow top to bottom and wrap
// into columns, one row can be selected, and the selection stays shown when
// the list loses the focus. A click anywhere in it, or the activation of a
// row, names the row picked; a click beside every row picks none.
class CRecordsListView : public QListView {
    Q_OBJECT

public:
    explicit CRecordsListView(QWidget* parent);

    // Every column is as wide as the widest line can be, with or without the
    // note marks, so that no line is cut short.
    void FitColumnsToLines(bool withNotes);
    // Marks the row selected and current and scrolls it entirely into view.
    void ShowCurrentRow(int row);

signals:
    // The row index, -1 when no row was hit.
    void RowPicked(int row);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A single changed row repaints alone: the list view would repaint every
    // row shown, laying out the text of each.
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
};
