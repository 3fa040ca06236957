#include "platform/CWinPanelStyle.h"

#include "platform/Draw3dRect.h"

#include <QFrame>
#include <QPainter>
#include <QStyleOptionFrame>

CWinPanelStyle::CWinPanelStyle(QObject* parent)
{
    setParent(parent);
}

void CWinPanelStyle::MakeSunkenPanel(QFrame& frame)
{
    frame.setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    frame.setStyle(new CWinPanelStyle(&frame));
}

void CWinPanelStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    // Below five pixels the inner frame folds onto the outer one, where the
    // order of the lines decides; so small a panel costs nothing either way.
    if (element != CE_ShapedFrame || !frame || frame->frameShape != QFrame::WinPanel || frame->rect.width() < 5 ||
        frame->rect.height() < 5) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QPalette& colours = frame->palette;
    const QRect inner = frame->rect.adjusted(1, 1, -1, -1);
    if (frame->state & State_Sunken) {
        Draw3dRect(*painter, frame->rect, colours.dark().color(), colours.light().color());
        Draw3dRect(*painter, inner, colours.shadow().color(), colours.midlight().color());
    } else {
        Draw3dRect(*painter, frame->rect, colours.light().color(), colours.shadow().color());
        Draw3dRect(*painter, inner, colours.midlight().color(), colours.dark().color());
    }
}
