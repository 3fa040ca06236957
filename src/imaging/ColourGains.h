#pragma once

#include <cstdint>

// Colour-correction modes as stored in CCfaImage::Correction.
enum ColourCorrection : int32_t {
    CorrectionWithout = 0,
    CorrectionDay = 1,
    CorrectionNight = 2,
    CorrectionAutomatic = 3,
};

// The per-channel gains one rendering applies to the demosaiced estimates.
struct ColourGains {
    double Red = 1.0;
    double Green = 1.0;
    double Blue = 1.0;

    bool operator==(const ColourGains&) const = default;
};

// Gains of a mode; Automatic is resolved by the hour of capture (Night before
// 6 and after 20 o'clock, Day in between). An unknown mode renders without
// correction.
ColourGains GainsFor(int32_t correction, uint16_t hour);
