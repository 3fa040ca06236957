// AddLaneFrame: a ".CFA" lane frame by its 256-byte header.
#include "records/RecordContent.h"

#include "records/ReadOnlyFile.h"

#include <algorithm>

namespace {

constexpr std::size_t HeaderSize = 256;
constexpr std::int64_t TicksPerMillisecond = 10'000;

// The capture time at offset 12 moved by the millisecond offset at offset 8.
// A capture time that is no calendar time cannot be moved and stays as the
// header gives it.
FrameTime CaptureTime(const unsigned char* header)
{
    FrameTime time;
    std::uint16_t* fields[8] = {&time.Year, &time.Month, &time.DayOfWeek, &time.Day,
                                &time.Hour, &time.Minute, &time.Second, &time.Millisecond};
    for (int i = 0; i < 8; ++i)
        *fields[i] = ReadOnlyFile::Little16(header + 12 + 2 * i);
    const auto offset = static_cast<std::int32_t>(ReadOnlyFile::Little32(header + 8));
    const std::optional<std::int64_t> ticks = ToSystemTicks(time);
    if (!ticks)
        return time;
    return FromSystemTicks(*ticks + std::int64_t{offset} * TicksPerMillisecond).value_or(time);
}

}  // namespace

void AddLaneFrame(RecordContent& content, const std::string& path)
{
    unsigned char header[HeaderSize];
    {
        const ReadOnlyFile file(path);
        if (file.ReadAt(0, header, HeaderSize) != HeaderSize)
            return;
    }
    const int lane = header[28];
    if (lane < 1 || lane > 3)
        return;
    FrameEntry entry;
    entry.Path = path;
    entry.Frame = header[29];
    entry.Lane = lane;
    entry.Time = CaptureTime(header);
    std::copy(header + 30, header + 36, entry.Mac.begin());
    // After every entry with the same number: equal numbers keep the order they were read in.
    std::vector<FrameEntry>& frames = content.Frames[lane];
    const auto place = std::upper_bound(frames.begin(), frames.end(), entry.Frame,
                                        [](std::int32_t frame, const FrameEntry& other) { return frame < other.Frame; });
    frames.insert(place, std::move(entry));
}
