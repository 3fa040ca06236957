#include "demo/DemoClock.h"

#include <cstdio>
#include <stdexcept>

namespace {

constexpr std::int64_t TicksPerMillisecond = 10000;

std::string Format(const char* format, const FrameTime& time)
{
    char text[64];
    std::snprintf(text, sizeof text, format, unsigned{time.Year}, unsigned{time.Month},
                  unsigned{time.Day}, unsigned{time.Hour}, unsigned{time.Minute},
                  unsigned{time.Second}, unsigned{time.Millisecond});
    return text;
}

}  // namespace

FrameTime AddMilliseconds(const FrameTime& time, std::int64_t milliseconds)
{
    const auto ticks = ToSystemTicks(time);
    const auto moved = ticks ? FromSystemTicks(*ticks + milliseconds * TicksPerMillisecond) : std::nullopt;
    if (!moved)
        throw std::invalid_argument("demo time out of range");
    return *moved;
}

FrameTime MakeFrameTime(int year, int month, int day, int hour, int minute, int second,
                        int millisecond)
{
    FrameTime time;
    time.Year = static_cast<std::uint16_t>(year);
    time.Month = static_cast<std::uint16_t>(month);
    time.Day = static_cast<std::uint16_t>(day);
    time.Hour = static_cast<std::uint16_t>(hour);
    time.Minute = static_cast<std::uint16_t>(minute);
    time.Second = static_cast<std::uint16_t>(second);
    time.Millisecond = static_cast<std::uint16_t>(millisecond);
    return AddMilliseconds(time, 0);
}

std::string RecordDirectoryName(const FrameTime& time)
{
    return Format("%04u-%02u-%02u %02u-%02u-%02u", time);
}

std::string FileNameTime(const FrameTime& time)
{
    return Format("%04u%02u%02u%02u%02u%02u%03u", time);
}
