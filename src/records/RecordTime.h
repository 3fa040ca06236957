#pragma once

#include "records/FrameTime.h"

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

// Seconds since 1970-01-01 00:00:00 UTC.
using RecordTime = std::int64_t;

static_assert(sizeof(std::time_t) == 8, "record times need a 64-bit time_t");

// Local calendar fields as the C library's mktime takes them (month 1..12,
// fields out of range are carried over), daylight saving decided by the library.
struct CalendarFields {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

// Nothing when the C library cannot convert the fields.
std::optional<RecordTime> LocalToRecordTime(const CalendarFields& fields);
// The local calendar fields of a record time (localtime_r), or nothing.
std::optional<std::tm> ToLocalFields(RecordTime time);

// A time with year below 1900 is 0; milliseconds are dropped. Nothing when the
// C library cannot convert it.
std::optional<RecordTime> ToRecordTime(const FrameTime& time);

// The fields of a 19-character record directory name ("2006-01-02 03:04:05",
// any separators), or nothing when the name is not one (wrong length, year
// below 2005, month, day 0..31, hour, minute or second out of range).
std::optional<CalendarFields> SplitRecordName(std::string_view name);

// The time of a record directory name, or nothing when it is no record name
// or its time cannot be converted.
std::optional<RecordTime> ParseRecordName(std::string_view name);

// "Monday, 05-December-2005 10:20:30" in local time.
std::string FormatTimeText(RecordTime time);
// FormatTimeText of the frame's time with ".250" milliseconds appended.
std::string FormatFrameTimeText(const FrameTime& time);
// (a - b) in seconds; NaN when either time is no valid calendar time (see
// ToSystemTicks), so that every "d >= 0" test of a caller fails.
double SecondsBetween(const FrameTime& a, const FrameTime& b);

// The locale's date and time ("%c") of a record time in local time, or
// "Invalid DateTime" when it cannot be converted.
std::string FormatLocaleDateTime(RecordTime time);
