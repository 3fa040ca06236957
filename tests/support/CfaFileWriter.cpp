#include "CfaFileWriter.h"

#include "TempDir.h"

namespace testsupport {

CfaHeader LaneFrameHeader(std::uint16_t width, std::uint16_t height)
{
    return {width, height, 0, {2006, 1, 1, 2, 12, 0, 0, 0}, 1, 1, {0x00, 0x11, 0x22, 0x33, 0x44, 0x55}};
}

void WriteCfaFile(const std::string& path, const CfaFile& file)
{
    WriteFile(path, CfaFileBytes(file.header, file.samples));
}

CfaFile TexturedLaneFrame(std::uint16_t width, std::uint16_t height, int number)
{
    CfaFile file{LaneFrameHeader(width, height), {}};
    file.header.Frame = static_cast<std::uint8_t>(number);
    file.samples.resize(std::size_t{width} * height);
    for (std::size_t i = 0; i < file.samples.size(); ++i) {
        const std::size_t x = i % width, y = i / width;
        const bool black = x >= 1070 && x < 1140 && y >= 12 && y < 780;
        file.samples[i] =
            static_cast<std::uint16_t>(black ? 60 + (x ^ y) % 8 : 100 + (x * 7 + y * 13 + (x ^ y) + number * 50) % 3000);
    }
    return file;
}

}  // namespace testsupport
