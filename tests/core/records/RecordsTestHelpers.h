#pragma once

#include "records/RecordDirectory.h"

#include "RecordTreeWriter.h"
#include "ScopedTimeZone.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <ctime>

namespace recordstest {

using Names = std::vector<std::string>;

inline FrameTime Time(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0)
{
    const auto u16 = [](int value) { return static_cast<std::uint16_t>(value); };
    return FrameTime{u16(year), u16(month), 0, u16(day), u16(hour), u16(minute), u16(second), u16(ms)};
}

// The record time of "2006-01-02 03:04:05" in UTC.
inline RecordTime Utc(const char* text)
{
    std::tm fields{};
    strptime(text, "%Y-%m-%d %H:%M:%S", &fields);
    return timegm(&fields);
}

// Row names, with " C" or " R" for confirmed and rejected rows.
inline Names NamesOf(const std::vector<RecordEntry>& rows)
{
    Names names;
    for (const RecordEntry& row : rows)
        names.push_back(row.Name + (row.State == RecordState::Confirmed  ? " C"
                                    : row.State == RecordState::Rejected ? " R"
                                                                         : ""));
    return names;
}

// A root with the usual names of its two subdirectories, in UTC.
class RecordTreeTest : public ::testing::Test {
protected:
    testsupport::ScopedTimeZone zone{"UTC"};
    testsupport::TempDir dir;
    std::string root = dir.Path();
    std::string confirmed = root + "!CONFIRMED/";
    std::string rejected = root + "!REJECTED/";
    RecordDirectory records;
};

}  // namespace recordstest
