#pragma once

#include "records/RecordEntry.h"
#include "records/RecordTime.h"

#include <ctime>
#include <string>
#include <vector>

namespace recordstest {

inline FrameTime Time(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0)
{
    const auto u16 = [](int value) { return static_cast<std::uint16_t>(value); };
    return FrameTime{u16(year), u16(month), 0, u16(day), u16(hour), u16(minute), u16(second), u16(ms)};
}

inline RecordTime Utc(int year, int month, int day, int hour, int minute, int second)
{
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    return timegm(&fields);
}

// Row names, with " C" or " R" for confirmed and rejected rows.
inline std::vector<std::string> NamesOf(const std::vector<RecordEntry>& rows)
{
    std::vector<std::string> names;
    for (const RecordEntry& row : rows)
        names.push_back(row.Name + (row.State == RecordState::Confirmed  ? " C"
                                    : row.State == RecordState::Rejected ? " R"
                                                                         : ""));
    return names;
}

}  // namespace recordstest
