#pragma once

#include "records/RecordTime.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>

// ParseRecordName for the many names of one directory scan. glibc's mktime
// looks at the time-zone file on every call when TZ is unset, which would cost
// more than reading the directory itself; within an hour whose UTC offset
// stays the same for a day on either side, a record time is the hour's start
// plus minutes and seconds, so the library is asked once per such hour and
// for every name of any other hour (changes of time, missing or repeated
// hours). Make one per scan: a change of time zone between scans is then seen.
class RecordNameParser {
public:
    std::optional<RecordTime> Parse(std::string_view name);

private:
    static std::optional<RecordTime> SteadyHourStart(const CalendarFields& fields);

    // By year, month, day and hour of the name; none for an hour the library must convert.
    std::unordered_map<std::uint32_t, std::optional<RecordTime>> hourStarts_;
};
