#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// The fields of a ".CFA" lane frame as the roadside unit writes them: a
// 256-byte little-endian header and W x H 16-bit samples from the top row.
struct CfaFile {
    uint16_t width = 8;
    uint16_t height = 8;
    int32_t millisecondOffset = 0;
    // year, month, day of week, day, hour, minute, second, millisecond
    std::array<uint16_t, 8> time{2006, 1, 1, 2, 12, 0, 0, 0};
    uint8_t lane = 1;
    uint8_t frame = 1;
    std::array<uint8_t, 6> mac{0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
    // width x height samples; empty means all zero.
    std::vector<uint16_t> samples;
};

// The 256-byte header alone.
std::string CfaHeaderBytes(const CfaFile& file);
// Header plus samples, exactly as the file holds them.
std::string CfaFileBytes(const CfaFile& file);
void WriteCfaFile(const std::string& path, const CfaFile& file);

}  // namespace testsupport
