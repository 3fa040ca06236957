#pragma once

#include <cstdint>
#include <optional>

// A calendar time with milliseconds, field for field the 16 little-endian bytes
// that a ".CFA" header stores. Year 0 stands for a time the record does not give.
struct FrameTime {
    std::uint16_t Year = 0;
    std::uint16_t Month = 0;      // 1..12
    std::uint16_t DayOfWeek = 0;  // 0 = Sunday
    std::uint16_t Day = 0;        // day of month
    std::uint16_t Hour = 0;
    std::uint16_t Minute = 0;
    std::uint16_t Second = 0;
    std::uint16_t Millisecond = 0;

    bool operator==(const FrameTime&) const = default;
};

static_assert(sizeof(FrameTime) == 16, "FrameTime mirrors the 16 header bytes");

// 100-nanosecond units since 1601-01-01 00:00:00, the unit in which frame
// offsets and intervals are computed. A field out of range (month 1..12, a day
// that exists in that month, hour, minute, second, millisecond, year 1601..30827)
// gives nothing; the day of week is not looked at.
std::optional<std::int64_t> ToSystemTicks(const FrameTime& time);
// The inverse, with the day of week computed; nothing for a negative count.
std::optional<FrameTime> FromSystemTicks(std::int64_t ticks);
