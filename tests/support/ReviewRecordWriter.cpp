#include "ReviewRecordWriter.h"

#include "BmpFileWriter.h"
#include "CfaFileWriter.h"
#include "RecordTreeWriter.h"

#include <algorithm>
#include <cstdio>

namespace testsupport {

namespace {

std::vector<std::uint16_t> LaneSamples(int base)
{
    std::vector<std::uint16_t> samples(static_cast<std::size_t>(ReviewFrameWidth) * ReviewFrameHeight);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::uint16_t>(std::min<std::size_t>(4095, base + i % 256));
    // Row 12 and 13 of columns 1070 and 1071 are the optical black: level 0.
    for (int y = 12; y < ReviewFrameHeight; ++y)
        for (int x = 1070; x < ReviewFrameWidth; ++x)
            samples[static_cast<std::size_t>(y) * ReviewFrameWidth + x] = 0;
    return samples;
}

void WriteLaneFrames(const std::string& directory, const ReviewRecord& record)
{
    for (int lane = 1; lane <= 3; ++lane) {
        for (int frame = 1; frame <= record.LaneFrames[lane - 1]; ++frame) {
            CfaFile file;
            file.width = ReviewFrameWidth;
            file.height = ReviewFrameHeight;
            file.time = {2006, 3, 3, 1, 12, 0, static_cast<std::uint16_t>(frame), 0};
            file.lane = static_cast<std::uint8_t>(lane);
            file.frame = static_cast<std::uint8_t>(frame);
            file.mac = record.Mac;
            file.samples = LaneSamples(record.LevelBase + 600 * (lane - 1) + 50 * (frame - 1));
            WriteCfaFile(ReviewLaneFramePath(directory, lane, frame), file);
        }
    }
}

void WriteGeneralFrames(const std::string& directory, const ReviewRecord& record)
{
    for (int index = 0; index < record.GeneralFrames; ++index) {
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
}

}  // namespace

std::string WriteReviewRecord(const std::string& root, const ReviewRecord& record)
{
    const std::string directory = MakeRecordDirectory(root, record.Name);
    WriteLaneFrames(directory, record);
    WriteGeneralFrames(directory, record);
    return directory;
}

std::string ReviewLaneFramePath(const std::string& directory, int lane, int frame)
{
    return directory + "L" + std::to_string(lane) + "F" + std::to_string(frame) + ".CFA";
}

}  // namespace testsupport
