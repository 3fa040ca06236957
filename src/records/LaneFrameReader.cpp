// AddLaneFrame: a ".CFA" lane frame by its 256-byte header.
#include "records/RecordContent.h"

#include "records/CfaHeader.h"
#include "base/ReadOnlyFile.h"

#include <algorithm>

namespace {

constexpr std::int64_t TicksPerMillisecond = 10'000;

// The capture time moved by the millisecond offset. A capture time that is no
// calendar time cannot be moved and stays as the header gives it.
FrameTime CaptureTime(const CfaHeader& header)
{
    const std::optional<std::int64_t> ticks = ToSystemTicks(header.Time);
    if (!ticks)
        return header.Time;
    const std::int64_t offset = std::int64_t{header.MillisecondOffset} * TicksPerMillisecond;
    return FromSystemTicks(*ticks + offset).value_or(header.Time);
}

}  // namespace

void AddLaneFrame(RecordContent& content, const std::string& path)
{
    const std::optional<CfaHeader> header = ReadCfaHeader(ReadOnlyFile(path));
    if (!header || header->Lane < 1 || header->Lane > 3)
        return;
    FrameEntry entry;
    entry.Path = path;
    entry.Frame = header->Frame;
    entry.Lane = header->Lane;
    entry.Time = CaptureTime(*header);
    entry.Mac = header->Mac;
    // After every entry with the same number: equal numbers keep the order they were read in.
    std::vector<FrameEntry>& frames = content.Frames[entry.Lane];
    const auto place = std::upper_bound(frames.begin(), frames.end(), entry.Frame,
                                        [](std::int32_t frame, const FrameEntry& other) { return frame < other.Frame; });
    frames.insert(place, std::move(entry));
}
