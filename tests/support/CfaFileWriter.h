#pragma once

#include "records/CfaHeader.h"

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// The header of a width x height frame of the left lane, number 1, taken at
// 2006-01-02 12:00:00 (a Monday) by unit 00:11:22:33:44:55.
CfaHeader LaneFrameHeader(std::uint16_t width = 8, std::uint16_t height = 8);

// A ".CFA" lane frame as a test describes it.
struct CfaFile {
    CfaHeader header = LaneFrameHeader();
    // header.Width x header.Height samples from the top row; missing ones are 0.
    std::vector<std::uint16_t> samples;
};

void WriteCfaFile(const std::string& path, const CfaFile& file);

}  // namespace testsupport
