#include "records/RecordNameParser.h"
#include "records/RecordTime.h"

#include "RecordsTestHelpers.h"
#include "ScopedTimeZone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace recordstest;
using testsupport::ScopedTimeZone;

namespace {

constexpr RecordTime Unconvertible = std::numeric_limits<RecordTime>::max();

TEST(RecordTime, SystemTicksCountFrom1601AndCheckEveryField)
{
    const struct {
        FrameTime time;
        std::optional<std::int64_t> ticks;
    } cases[] = {
        {Time(1601, 1, 1), 0},
        {Time(1970, 1, 1, 0, 0, 1, 5), 116'444'736'010'050'000},
        {Time(2004, 2, 29), 127'224'864'000'000'000},
        {Time(1600, 12, 31), {}}, {Time(30828, 1, 1), {}}, {Time(2006, 0, 1), {}}, {Time(2006, 13, 1), {}},
        {Time(2006, 1, 0), {}}, {Time(2006, 4, 31), {}}, {Time(2005, 2, 29), {}}, {Time(1900, 2, 29), {}},
        {Time(2006, 1, 1, 24), {}}, {Time(2006, 1, 1, 0, 60), {}}, {Time(2006, 1, 1, 0, 0, 60), {}},
        {Time(2006, 1, 1, 0, 0, 0, 1000), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToSystemTicks(c.time), c.ticks) << c.time.Year << "-" << c.time.Month << "-" << c.time.Day;
    const FrameTime last = Time(30827, 12, 31, 23, 59, 59, 999);
    FrameTime back = FromSystemTicks(*ToSystemTicks(last)).value();
    EXPECT_EQ(back.DayOfWeek, 5);  // a Friday
    back.DayOfWeek = 0;
    EXPECT_EQ(back, last);
    EXPECT_EQ(FromSystemTicks(*ToSystemTicks(Time(2005, 12, 5)))->DayOfWeek, 1);
    EXPECT_EQ(FromSystemTicks(-1), std::nullopt);
}

TEST(RecordTime, RecordNamesAreCheckedAndReadAsLocalTime)
{
    ScopedTimeZone zone("UTC");
    const struct {
        const char* name;
        std::optional<RecordTime> time;
    } cases[] = {
        {"2005-12-05 10:20:30", Utc(2005, 12, 5, 10, 20, 30)},
        {"2005_12_05T10.20.30", Utc(2005, 12, 5, 10, 20, 30)},  // any separators
        {"2005-01-00 12:00:00", Utc(2004, 12, 31, 12, 0, 0)},   // day 0: the last of the month before
        {"2005-02-31 00:00:00", Utc(2005, 3, 3, 0, 0, 0)},
        {"2005-1a-05 10:20:30", Utc(2005, 1, 5, 10, 20, 30)},  // a group ends at its first non-digit
        {"2004-12-31 23:59:59", {}}, {"2005-00-01 00:00:00", {}}, {"2005-13-01 00:00:00", {}},
        {"2005-12-32 00:00:00", {}}, {"2005-12-01 24:00:00", {}}, {"2005-12-01 23:60:00", {}},
        {"2005-12-01 23:59:60", {}}, {"2005-ab-05 10:20:30", {}}, {"2005-12-05 10:20:3", {}},
        {"2005-12-05 10:20:301", {}}, {"!CONFIRMED", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseRecordName(c.name), c.time) << c.name;
        EXPECT_EQ(RecordNameParser().Parse(c.name), c.time) << c.name;
    }
    EXPECT_EQ(ToRecordTime(Time(1899, 12, 31)), 0);
    EXPECT_EQ(ToRecordTime(Time(1969, 12, 31, 23, 59, 59)), -1);  // a time, not a failure
}

// Sofia goes from +2 to +3 on 2006-03-26 at 03:00 and back on 2006-10-29 at
// 04:00. A scan remembers steady hours, so it must still convert the hours
// near a change exactly as the library converts a single name.
TEST(RecordTime, NamesAroundAChangeOfTimeConvertAsTheLibraryDoes)
{
    ScopedTimeZone zone("Europe/Sofia");
    const struct {
        const char* name;
        RecordTime time;
        RecordTime other;  // the second answer for a missing or repeated hour
    } cases[] = {
        {"2006-03-25 12:00:00", Utc(2006, 3, 25, 10, 0, 0), 0},
        {"2006-03-26 02:59:59", Utc(2006, 3, 26, 0, 59, 59), 0},
        {"2006-03-26 03:30:00", Utc(2006, 3, 26, 0, 30, 0), Utc(2006, 3, 26, 1, 30, 0)},
        {"2006-03-26 04:00:00", Utc(2006, 3, 26, 1, 0, 0), 0},
        {"2006-03-27 04:15:00", Utc(2006, 3, 27, 1, 15, 0), 0},
        {"2006-10-29 02:59:59", Utc(2006, 10, 28, 23, 59, 59), 0},
        {"2006-10-29 03:30:00", Utc(2006, 10, 29, 0, 30, 0), Utc(2006, 10, 29, 1, 30, 0)},
        {"2006-10-29 04:00:00", Utc(2006, 10, 29, 2, 0, 0), 0},
        {"2006-11-15 08:05:09", Utc(2006, 11, 15, 6, 5, 9), 0},
    };
    RecordNameParser parser;
    for (int pass = 0; pass < 2; ++pass) {  // the second pass answers from what the first remembered
        for (const auto& c : cases) {
            for (const std::optional<RecordTime> time : {ParseRecordName(c.name), parser.Parse(c.name)})
                EXPECT_TRUE(time == c.time || (c.other != 0 && time == c.other)) << c.name;
        }
    }
    EXPECT_EQ(FormatTimeText(Utc(2006, 3, 26, 1, 0, 0)), "Sunday, 26-March-2006 04:00:00");
    EXPECT_EQ(FormatFrameTimeText(Time(2006, 3, 26, 4, 0, 0, 1)), "Sunday, 26-March-2006 04:00:00.001");
}

TEST(RecordTime, TimeTextsAndIntervals)
{
    ScopedTimeZone zone("UTC");
    EXPECT_EQ(FormatTimeText(Utc(2005, 12, 5, 10, 20, 30)), "Monday, 05-December-2005 10:20:30");
    EXPECT_EQ(FormatTimeText(Utc(2006, 9, 30, 23, 59, 59)), "Saturday, 30-September-2006 23:59:59");
    EXPECT_EQ(FormatTimeText(Unconvertible), "???, 00-??\?-00 -1:-1:-1");
    EXPECT_EQ(FormatFrameTimeText(Time(2005, 12, 5, 10, 20, 30, 7)), "Monday, 05-December-2005 10:20:30.007");
    EXPECT_EQ(FormatFrameTimeText(Time(0, 0, 0)), "Thursday, 01-January-1970 00:00:00.000");
    EXPECT_EQ(FormatLocaleDateTime(Utc(2005, 12, 5, 10, 20, 30)), "Mon Dec  5 10:20:30 2005");
    EXPECT_EQ(FormatLocaleDateTime(Unconvertible), "Invalid DateTime");
    EXPECT_DOUBLE_EQ(SecondsBetween(Time(2006, 1, 1, 0, 0, 0, 100), Time(2005, 12, 31, 23, 59, 59, 900)), 0.2);
    EXPECT_DOUBLE_EQ(SecondsBetween(Time(2006, 1, 1), Time(2006, 1, 2)), -86400.0);
    // A time the record does not give has no interval: every "d >= 0" test fails.
    EXPECT_TRUE(std::isnan(SecondsBetween(Time(2006, 1, 1), Time(0, 0, 0))));
}

}  // namespace
