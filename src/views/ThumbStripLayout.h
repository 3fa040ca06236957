#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the thumbnails lie in the scrolled area of the strip for a client
// height h: square cells of side max(h, 100) - 4 in a row, two pixels apart
// and from the edges, in an area 5 cells wide.
class ThumbStripLayout {
public:
    static constexpr int CellCount = 5;
    static constexpr int MinimumHeight = 100;

    explicit ThumbStripLayout(int clientHeight);

    int Side() const { return m_side; }
    QRect Cell(int index) const;
    QSize ContentSize() const;
    // The first of the first count cells that holds the point; -1 for none.
    int CellAt(QPoint point, int count) const;

private:
    int m_height;
    int m_side;
};
