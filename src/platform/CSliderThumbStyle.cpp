#include "platform/CSliderThumbStyle.h"

CSliderThumbStyle::CSliderThumbStyle(int thumbLength, QObject* parent) : m_thumbLength(thumbLength)
{
    setParent(parent);
}

int CSliderThumbStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_SliderLength)
        return m_thumbLength;
    return QProxyStyle::pixelMetric(metric, option, widget);
}
