#pragma once

#include <QProxyStyle>

class QFrame;

// The application's style with the sunken and raised two-pixel panel frames
// filled in as rectangles, to the same pixels. The style's own way strokes
// them as polylines through the general line rasterizer, which cost a frame
// round a picture view about as much as copying the picture inside it.
class CWinPanelStyle : public QProxyStyle {
    Q_OBJECT

public:
    // parent owns the style; a widget using it falls back to the
    // application's style should the style go first.
    explicit CWinPanelStyle(QObject* parent);

    // Gives frame the sunken two-pixel panel edge, drawn by a style of this
    // kind that frame owns.
    static void MakeSunkenPanel(QFrame& frame);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};
