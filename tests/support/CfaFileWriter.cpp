#include "CfaFileWriter.h"

#include "TempDir.h"

namespace testsupport {

namespace {

void Put16(std::string& bytes, size_t offset, uint16_t value)
{
    bytes[offset] = static_cast<char>(value & 0xFF);
    bytes[offset + 1] = static_cast<char>(value >> 8);
}

}  // namespace

std::string CfaHeaderBytes(const CfaFile& file)
{
    std::string header(256, '\0');
    Put16(header, 4, file.width);
    Put16(header, 6, file.height);
    const auto offset = static_cast<uint32_t>(file.millisecondOffset);
    Put16(header, 8, static_cast<uint16_t>(offset & 0xFFFF));
    Put16(header, 10, static_cast<uint16_t>(offset >> 16));
    for (size_t i = 0; i < file.time.size(); ++i)
        Put16(header, 12 + 2 * i, file.time[i]);
    header[28] = static_cast<char>(file.lane);
    header[29] = static_cast<char>(file.frame);
    for (size_t i = 0; i < file.mac.size(); ++i)
        header[30 + i] = static_cast<char>(file.mac[i]);
    return header;
}

std::string CfaFileBytes(const CfaFile& file)
{
    std::string bytes = CfaHeaderBytes(file);
    const size_t count = size_t{file.width} * file.height;
    std::string samples(2 * count, '\0');
    for (size_t i = 0; i < count && i < file.samples.size(); ++i)
        Put16(samples, 2 * i, file.samples[i]);
    return bytes + samples;
}

void WriteCfaFile(const std::string& path, const CfaFile& file)
{
    WriteFile(path, CfaFileBytes(file));
}

}  // namespace testsupport
