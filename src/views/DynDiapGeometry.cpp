#include "views/DynDiapGeometry.h"

#include <algorithm>

void DynDiapGeometry::SetRange(int a, int b)
{
    m_rangeMin = std::min(a, b);
    m_rangeMax = std::max(a, b);
    m_lowValue = Clamp(m_lowValue);
    m_highValue = Clamp(m_highValue);
}

void DynDiapGeometry::SetPos(int a, int b)
{
    m_lowValue = Clamp(std::min(a, b));
    m_highValue = Clamp(std::max(a, b));
}

int DynDiapGeometry::Clamp(int level) const
{
    return std::clamp(level, m_rangeMin, m_rangeMax);
}

void DynDiapGeometry::Layout(QSize client)
{
    m_client = client;
    const int levels = m_rangeMax - m_rangeMin;
    m_pixelsPerLevel = levels != 0 ? static_cast<double>(client.height() - 2 * Margin) / levels : 1.0;
    if (!Collapsed())
        PlaceParts(LevelToY(m_highValue), LevelToY(m_lowValue));
}

int DynDiapGeometry::LevelToY(int level) const
{
    return Margin + static_cast<int>((m_rangeMax - level) * m_pixelsPerLevel);
}

// Rounded to the nearest level, and never outside the range: a range of a
// single level has one pixel per level and more pixels than levels.
int DynDiapGeometry::YToLevel(int y) const
{
    return Clamp(static_cast<int>((m_client.height() - y - Margin) / m_pixelsPerLevel + 0.5) + m_rangeMin);
}

void DynDiapGeometry::PlaceParts(int top, int bottom)
{
    const int width = m_client.width();
    m_parts[HighHandle] = QRect(0, top - Margin, width, Margin);
    m_parts[Band] = QRect(0, top, width, bottom - top);
    m_parts[LowHandle] = QRect(0, bottom, width, Margin);
}

DynDiapGeometry::Part DynDiapGeometry::HitTest(QPoint point) const
{
    for (const Part part : {HighHandle, Band, LowHandle})
        if (m_parts[part].contains(point))
            return part;
    return NoPart;
}

// A handle dragged onto the other one takes its level: the band is one pixel
// line then, which stands for a single level however many levels a pixel holds.
void DynDiapGeometry::Drag(Part part, int dy)
{
    if (Collapsed())
        return;
    const int top = m_parts[Band].y();
    const int bottom = top + m_parts[Band].height();
    const int floor = m_client.height() - Margin;
    switch (part) {
    case HighHandle: {
        const int newTop = std::clamp(top + dy, Margin, bottom);
        PlaceParts(newTop, bottom);
        m_highValue = newTop == bottom ? m_lowValue : YToLevel(newTop);
        break;
    }
    case Band: {
        const int shift = std::clamp(dy, Margin - top, floor - bottom);
        PlaceParts(top + shift, bottom + shift);
        m_highValue = YToLevel(top + shift);
        m_lowValue = YToLevel(bottom + shift);
        break;
    }
    case LowHandle: {
        const int newBottom = std::clamp(bottom + dy, top, floor);
        PlaceParts(top, newBottom);
        m_lowValue = newBottom == top ? m_highValue : YToLevel(newBottom);
        break;
    }
    case NoPart:
        break;
    }
}
