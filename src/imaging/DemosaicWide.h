#pragma once

#include "imaging/Demosaic.h"

#include <cstdint>

// One sensor row between its upper and lower neighbour rows, and where its
// pixel for column xs goes.
struct SensorRow {
    const uint16_t* up = nullptr;
    const uint16_t* mid = nullptr;
    const uint16_t* down = nullptr;
    int32_t xs = 0;
    int32_t xe = 0;
    bool blueRow = false;
    uint8_t* out = nullptr;
};

// The largest sample the wide path takes: every sum of five samples then
// fits sixteen bits.
constexpr uint32_t WideSampleCeiling = 4095;

// Demosaics the row 32 sites at a time with AVX-512, 16 with AVX2 or 8 with
// the SSE2 of every x86-64, from xs up to the column it returns, computing the
// bytes by the maps' integer forms; the rest of the row is left to the caller.
// Samples must not exceed WideSampleCeiling. Returns xs on other processors
// and for maps without forms.
int32_t DemosaicColourRowWide(const SensorRow& row, const ColourMaps& maps);
