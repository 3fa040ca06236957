#include "ui/SlidePaneLayout.h"

#include <algorithm>

namespace {

constexpr int WidestSlidePane = 450;
// The slider leaves room for the counter beside it in the normal pane.
constexpr int CounterRoom = 132;

// Desktop rectangles name their right and bottom edges exclusively; an
// inverted one is empty.
QRect Ltrb(int left, int top, int right, int bottom)
{
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

}  // namespace

QRect SlidePaneLayout::Button(int index) const
{
    if (index < 2)
        return QRect(0, index * Cell, Cell, Cell);
    return QRect((index - 2) * Cell, m_cy - Cell, Cell, Cell);
}

QRect SlidePaneLayout::Slider() const
{
    return QRect(SliderLeft, m_cy - Cell, std::max(0, std::min(m_cx, WidestSlidePane) - CounterRoom), Cell);
}

QRect SlidePaneLayout::SiteBar() const
{
    return Ltrb(Cell, 0, m_cx, Cell);
}

QRect SlidePaneLayout::TimeBar() const
{
    return Ltrb(0, 2 * Cell, Cell, m_cy - Cell);
}

QRect SlidePaneLayout::CounterBar(int sliderWidth) const
{
    return Ltrb(SliderLeft + sliderWidth, m_cy - Cell, m_cx, m_cy);
}

QRect SlidePaneLayout::ImageArea() const
{
    return Ltrb(Cell, Cell, m_cx, m_cy - Cell);
}

QRect SlidePaneLayout::DoubleClickZone() const
{
    return ImageArea();
}

QRect SlidePaneLayout::PicturePlace(QSize picture) const
{
    const int areaWidth = m_cx - Cell;
    const int areaHeight = m_cy - 2 * Cell;
    const double scale = std::min(double(areaWidth) / picture.width(), double(areaHeight) / picture.height());
    // Truncated toward zero, then centred with integer halves.
    const int w = static_cast<int>(picture.width() * scale);
    const int h = static_cast<int>(picture.height() * scale);
    return QRect((m_cx - w + Cell) / 2, (m_cy - h) / 2, w, h);
}
