#pragma once

#include "config/SiteEntry.h"
#include "records/FrameTime.h"

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

// The header fields of a lane frame as the roadside unit writes them.
struct CfaFrameHeader {
    uint16_t Width = 0;
    uint16_t Height = 0;
    int32_t MillisecondOffset = 0;
    FrameTime Time;
    uint8_t Lane = 1;
    uint8_t Frame = 1;
    MacAddress Mac{};
};

// A ".CFA" file: the 256-byte little-endian header, then the samples from the top row.
std::string CfaFileBytes(const CfaFrameHeader& header, const std::vector<uint16_t>& samples);

// A 24-bit bottom-up Windows bitmap of a Format_RGB32 picture, with the info text
// (and a terminating zero) between the bitmap header and the pixels.
std::string BmpFileBytes(const QImage& picture, const std::string& infoText);
