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

// Frame number of a width x height left-lane frame as the sensor gives it: an
// optical-black strip at the right edge and a textured scene that differs per
// number, so that black level, histogram, demosaic and scaling all have work.
CfaFile TexturedLaneFrame(std::uint16_t width, std::uint16_t height, int number = 1);

}  // namespace testsupport
