#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

// The arithmetic of the dynamic-range bar: levels from RangeMin at the bottom
// of the client area to RangeMax at its top, with 20 pixels at either end for
// the handles; the three parts' rectangles and how a drag moves them and the
// levels they stand for.
class DynDiapGeometry {
public:
    enum Part { HighHandle = 0, Band = 1, LowHandle = 2, NoPart = 3 };
    static constexpr int PartCount = 3;
    static constexpr int Margin = 20;

    // Either order. Both markers are kept inside the range, so the band never
    // turns upside down.
    void SetRange(int a, int b);
    // Either order, each marker limited to the range.
    void SetPos(int a, int b);
    // The parts for a client area of this size.
    void Layout(QSize client);

    // The first part containing the point, in the order of Part.
    Part HitTest(QPoint point) const;
    // Moves the part dy pixels (down when positive) as far as the bar lets
    // it, and takes the levels from where the band's edges then stand.
    void Drag(Part part, int dy);

    int RangeMin() const { return m_rangeMin; }
    int RangeMax() const { return m_rangeMax; }
    int LowValue() const { return m_lowValue; }
    int HighValue() const { return m_highValue; }
    double PixelsPerLevel() const { return m_pixelsPerLevel; }
    QRect PartRect(Part part) const { return m_parts[part]; }

private:
    // Too few pixels for the range: nothing is laid out or dragged.
    bool Collapsed() const { return m_pixelsPerLevel < 1e-7; }
    int LevelToY(int level) const;
    int YToLevel(int y) const;
    int Clamp(int level) const;
    void PlaceParts(int top, int bottom);

    int m_rangeMin = 0;
    int m_rangeMax = 255;
    int m_lowValue = 0;
    int m_highValue = 255;
    double m_pixelsPerLevel = 0.0;  // until the first layout
    QSize m_client;
    std::array<QRect, PartCount> m_parts{};
};
