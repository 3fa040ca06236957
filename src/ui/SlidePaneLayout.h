#pragma once

#include <QRect>
#include <QSize>

// Where everything of the general-view playback pane lies for a client size
// (cx, cy): a column of two buttons at the top left, the site bar beside
// them, the time bar below them, the bottom row of four buttons, the slider
// and the frame counter, and the picture in the rest.
class SlidePaneLayout {
public:
    static constexpr int Cell = 24;  // side of every button, width of the bars
    static constexpr int SliderLeft = 4 * Cell;

    // The six buttons in their creation order: full screen, information,
    // restart, continue / pause, backward, forward.
    static constexpr int ButtonCount = 6;

    explicit SlidePaneLayout(QSize client) : m_cx(client.width()), m_cy(client.height()) {}

    QRect Button(int index) const;
    // Never wider than 318: in full screen the counter takes the rest of the row.
    QRect Slider() const;
    QRect SiteBar() const;
    QRect TimeBar() const;
    // From the right edge of a slider of that width to the pane's right edge.
    QRect CounterBar(int sliderWidth) const;
    QRect ImageArea() const;
    // Where a double click switches full screen: not the button column at the
    // left, the site bar or the bottom row, but up to the right-most pixel.
    QRect DoubleClickZone() const;
    // A picture of that size scaled to fit the image area, centred in it.
    QRect PicturePlace(QSize picture) const;

private:
    int m_cx;
    int m_cy;
};
