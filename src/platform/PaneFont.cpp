#include "platform/PaneFont.h"

#include <QWidget>

QFont PaneFont(const QWidget& widget)
{
    QFont font(QStringLiteral("Tahoma"));
    // Points to pixels rounded as the desktop does it, so the text cells of
    // the bars keep their height on every screen.
    constexpr int Points = 8;
    font.setPixelSize((Points * widget.logicalDpiY() + 36) / 72);
    font.setWeight(QFont::Normal);
    return font;
}
