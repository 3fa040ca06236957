#include "ReviewRecordWriter.h"

#include "BmpFileWriter.h"
#include "CfaFileWriter.h"
#include "RecordTreeWriter.h"

#include <algorithm>
#include <cstdio>

namespace testsupport {

namespace {

constexpr int Width = 1072;
constexpr int Height = 14;

void WriteLaneFrame(const std::string& path, int lane, int frame)
{
    CfaFile file{LaneFrameHeader(Width, Height), {}};
    file.header.Time = {2006, 3, 3, 1, 12, 0, static_cast<std::uint16_t>(frame), 0};
    file.header.Lane = static_cast<std::uint8_t>(lane);
    file.header.Frame = static_cast<std::uint8_t>(frame);
    file.samples.resize(std::size_t{Width} * Height);
    const int base = 100 + 600 * (lane - 1) + 50 * (frame - 1);
    for (std::size_t i = 0; i < file.samples.size(); ++i) {
        // Rows 12 and 13 of columns 1070 and 1071 are the optical black: level 0.
        const bool black = i / Width >= 12 && i % Width >= 1070;
        file.samples[i] = black ? 0 : static_cast<std::uint16_t>(std::min<std::size_t>(4095, base + i % 256));
    }
    WriteCfaFile(path, file);
}

void WriteGeneralFrame(const std::string& directory, const ReviewRecord& record, int index)
{
    char name[32];
    std::snprintf(name, sizeof name, "G%02d.BMP", index + 1);
    char imageTime[64];
    std::snprintf(imageTime, sizeof imageTime, "imagetime=2006-03-01 12:%02d:%02d.000", index / 60, index % 60);
    BmpFile file;
    file.infoText = imageTime;
    if (!record.RedTime.empty())
        file.infoText += " redtime=" + record.RedTime;
    if (!record.YellowTime.empty())
        file.infoText += " yellowtime=" + record.YellowTime;
    WriteBmpFile(directory + name, file);
}

}  // namespace

std::string WriteReviewRecord(const std::string& root, const ReviewRecord& record)
{
    const std::string directory = MakeRecordDirectory(root, record.Name);
    for (int lane = 1; lane <= 3; ++lane)
        for (int frame = 1; frame <= record.LaneFrames[lane - 1]; ++frame)
            WriteLaneFrame(ReviewLaneFramePath(directory, lane, frame), lane, frame);
    for (int index = 0; index < record.GeneralFrames; ++index)
        WriteGeneralFrame(directory, record, index);
    return directory;
}

std::string ReviewLaneFramePath(const std::string& directory, int lane, int frame)
{
    return directory + "L" + std::to_string(lane) + "F" + std::to_string(frame) + ".CFA";
}

}  // namespace testsupport
