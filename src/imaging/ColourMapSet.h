#pragma once

#include "imaging/ColourForm.h"
#include "imaging/ColourGains.h"
#include "imaging/Demosaic.h"

#include <cstdint>
#include <optional>
#include <vector>

// Everything one colour rendering turns estimates into bytes with: a table
// per channel for every estimate up to the ceiling, and the channels'
// integer forms when all three have one.
class ColourMapSet {
public:
    ColourMapSet(const ColourGains& gains, uint16_t low, uint16_t high, uint16_t range,
                 uint32_t ceiling);

    ColourMaps Maps() const;

private:
    std::vector<uint8_t> red_;
    std::vector<uint8_t> green_;
    std::vector<uint8_t> blue_;
    std::optional<ColourForm> redForm_;
    std::optional<ColourForm> greenForm_;
    std::optional<ColourForm> blueForm_;
};
