#pragma once

#include "demo/DemoPlan.h"

#include <QImage>
#include <QString>

#include <cstdint>

// The two kinds of picture a roadside unit takes of the crossing: the general
// view from a high pole behind the approach, and the close-up of one lane
// from a low camera behind its stop line, both with the unit's data bar.
class DemoFramePainter {
public:
    static constexpr int GeneralWidth = 640;
    static constexpr int GeneralHeight = 480;
    // The lane camera's sensor; the visible picture is columns 32..1064, rows 8..786.
    static constexpr int SensorWidth = 1144;
    static constexpr int SensorHeight = 790;

    static QImage GeneralView(const DemoRecord& record, std::int64_t msAfterRed, const FrameTime& time);
    static QImage LaneView(const DemoRecord& record, int lane, std::int64_t msAfterRed, const FrameTime& time);

private:
    static void PaintDataBar(QImage& image, const QRect& area, const QString& text, int pixelSize);
};
