#pragma once

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

class QPainter;

// A strip of equal-size icons side by side in one pixmap; icon i is the i-th
// cell of IconSize() from the left.
class CImageList {
public:
    CImageList() = default;

    // iconWidth cuts the strip into cells; the strip's height is the icon
    // height. Pixels of mask colour, when one is given, become transparent.
    CImageList(const QPixmap& strip, int iconWidth, const std::optional<QColor>& mask = std::nullopt);

    // The image files of a directory (resource directories too) in name order,
    // one icon each, so a file's name prefix decides its slot. Every icon takes
    // the size of the first.
    static CImageList FromDirectory(const QString& directory);

    QSize IconSize() const { return m_iconSize; }
    int Count() const;

    // Draws icon index with its transparency at topLeft; with a blend colour
    // the icon is mixed half and half with it (the disabled look). An index
    // outside the strip draws nothing.
    void Draw(QPainter& painter, int index, const QPoint& topLeft,
              const std::optional<QColor>& blend = std::nullopt) const;
    // One icon on its own, for widgets that take a pixmap.
    QPixmap Icon(int index) const;

private:

    QPixmap m_strip;
    QSize m_iconSize;
};
