#pragma once

#include <cstddef>
#include <cstdint>

// The part of a sensor that one rendering processes: columns xs..xe - 1 and
// rows ys..ye - 1, each with all eight neighbours inside the sensor, written
// to dest, each next row rowStep bytes further.
struct DemosaicArea {
    const uint16_t* samples = nullptr;
    int32_t width = 0;
    int32_t xs = 0;
    int32_t xe = 0;
    int32_t ys = 0;
    int32_t ye = 0;
    // Parity (0 or 1) of the rows that hold red.
    int bayerPhase = 1;
    // No sample is above it.
    uint32_t ceiling = 65535;
    uint8_t* dest = nullptr;
    ptrdiff_t rowStep = 0;
};

class ColourForm;

// Bytes per channel for every estimate up to the ceiling. With the channels'
// integer forms (all three or none) the wide rows compute the bytes instead;
// without them the tables render the whole row.
struct ColourMaps {
    const uint8_t* red = nullptr;
    const uint8_t* green = nullptr;
    const uint8_t* blue = nullptr;
    const ColourForm* redForm = nullptr;
    const ColourForm* greenForm = nullptr;
    const ColourForm* blueForm = nullptr;
};

// Weighted estimates per channel, summed into a grey level, then the window.
struct GreyMaps {
    const double* red = nullptr;
    const double* green = nullptr;
    const double* blue = nullptr;
    const uint8_t* window = nullptr;
};

// Bilinear estimates of red, green and blue at every processed sample.
void DemosaicColour(const DemosaicArea& area, const ColourMaps& maps);
void DemosaicGrey(const DemosaicArea& area, const GreyMaps& maps);
