#include "views/ThumbStripLayout.h"

#include <algorithm>

namespace {

constexpr int Gap = 2;

}  // namespace

ThumbStripLayout::ThumbStripLayout(int clientHeight)
    : m_height(std::max(clientHeight, MinimumHeight)), m_side(m_height - 2 * Gap)
{
}

QRect ThumbStripLayout::Cell(int index) const
{
    return QRect(Gap + index * (m_side + Gap), Gap, m_side, m_side);
}

QSize ThumbStripLayout::ContentSize() const
{
    return QSize(CellCount * m_side + 12, m_height);
}

int ThumbStripLayout::CellAt(QPoint point, int count) const
{
    for (int index = 0; index < std::min(count, CellCount); ++index)
        if (Cell(index).contains(point))
            return index;
    return -1;
}
