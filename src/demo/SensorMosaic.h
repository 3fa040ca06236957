#pragma once

#include "imaging/ColourGains.h"

#include <QImage>

#include <cstdint>
#include <vector>

// Turns a drawn picture of the sensor's size into the lane camera's raw
// samples: one colour per cell in the pattern B G / G R from (0, 0), 12-bit
// levels on a black level with a little noise, each channel divided by the
// gain that the frame's colour correction will apply again. The columns right
// of the picture, the optical-black area among them, see only the black level.
class SensorMosaic {
public:
    static constexpr int BlackLevel = 180;
    // Sensor levels per step of a drawn 0..255 channel.
    static constexpr double LevelsPerStep = 11.8;
    static constexpr int CoveredFromColumn = 1066;

    // picture: Format_RGB32.
    static std::vector<uint16_t> Encode(const QImage& picture, const ColourGains& gains, std::uint64_t noiseSeed);
};
