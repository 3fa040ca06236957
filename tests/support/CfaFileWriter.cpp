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

}  // namespace testsupport
