#pragma once

#include <QProxyStyle>

// The application's style with a slider thumb of a fixed length along the
// groove, whatever the style itself would give it.
class CSliderThumbStyle : public QProxyStyle {
    Q_OBJECT

public:
    // parent owns the style; a widget using it falls back to the
    // application's style should the style go first.
    CSliderThumbStyle(int thumbLength, QObject* parent);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    int m_thumbLength;
};
