#include "records/LocalCalendarFields.h"
#include "records/RecordNameParser.h"

#include "RecordsTestHelpers.h"

#include <cmath>
#include <limits>

using namespace recordstest;
using testsupport::RecordName;

namespace {

TEST(RecordTime, RecordNamesAreCheckedAndReadAsLocalTime)
{
    testsupport::ScopedTimeZone zone("UTC");
    for (const auto& [name, time] : std::vector<std::pair<const char*, std::optional<RecordTime>>>{
         {"2005-12-05 10:20:30", Utc("2005-12-05 10:20:30")},
         {"2005_12_05T10.20.30", Utc("2005-12-05 10:20:30")},  // any separators
         {"2005-01-00 12:00:00", Utc("2004-12-31 12:00:00")},  // day 0: the last of the month before
         {"2005-02-31 00:00:00", Utc("2005-03-03 00:00:00")},
         {"2005-1a-05 10:20:30", Utc("2005-01-05 10:20:30")},  // a group ends at its first non-digit
         {"2004-12-31 23:59:59", {}}, {"2005-00-01 00:00:00", {}}, {"2005-13-01 00:00:00", {}},
         {"2005-12-32 00:00:00", {}}, {"2005-12-01 24:00:00", {}}, {"2005-12-01 23:60:00", {}},
         {"2005-12-01 23:59:60", {}}, {"2005-ab-05 10:20:30", {}}, {"2005-12-05 10:20:3", {}},
         {"2005-12-05 10:20:301", {}}, {"!CONFIRMED", {}}}) {
        EXPECT_EQ(ParseRecordName(name), time) << name;
        EXPECT_EQ(RecordNameParser().Parse(name), time) << name;
    }
    EXPECT_EQ(ToRecordTime(Time(1899, 12, 31)), 0);
    EXPECT_EQ(ToRecordTime(Time(1969, 12, 31, 23, 59, 59)), -1);  // a time, not a failure
    EXPECT_EQ(FormatTimeText(Utc("2005-12-05 10:20:30")), "Monday, 05-December-2005 10:20:30");
    EXPECT_EQ(FormatTimeText(std::numeric_limits<RecordTime>::max()), "???, 00-??\?-00 -1:-1:-1");
    EXPECT_EQ(FormatFrameTimeText(Time(0, 0, 0)), "Thursday, 01-January-1970 00:00:00.000");
}

// Sofia: +3 from 2006-03-26 03:00, +2 again from 2006-10-29 04:00; the parser remembers only steady hours.
TEST(RecordTime, NamesAndCalendarFieldsAroundAChangeOfTimeConvertAsTheLibraryDoes)
{
    testsupport::ScopedTimeZone zone("Europe/Sofia");
    const struct {
        const char* name;
        RecordTime time;
        RecordTime other = 0;  // the second answer for a missing or repeated hour
    } cases[] = {
        {"2006-03-26 02:59:59", Utc("2006-03-26 00:59:59")},
        {"2006-03-26 03:30:00", Utc("2006-03-26 00:30:00"), Utc("2006-03-26 01:30:00")},
        {"2006-03-26 04:00:00", Utc("2006-03-26 01:00:00")},
        {"2006-10-29 02:59:59", Utc("2006-10-28 23:59:59")},
        {"2006-10-29 03:30:00", Utc("2006-10-29 00:30:00"), Utc("2006-10-29 01:30:00")},
        {"2006-10-29 04:00:00", Utc("2006-10-29 02:00:00")},
        {"2006-11-15 08:05:09", Utc("2006-11-15 06:05:09")},
    };
    RecordNameParser parser;
    for (const auto& c : cases) {
        const std::optional<RecordTime> first = parser.Parse(c.name);  // the second comes from what it remembered
        for (const std::optional<RecordTime> time : {ParseRecordName(c.name), first, parser.Parse(c.name)})
            EXPECT_TRUE(time == c.time || (c.other != 0 && time == c.other)) << c.name;
    }
    EXPECT_EQ(FormatTimeText(Utc("2006-03-26 01:00:00")), "Sunday, 26-March-2006 04:00:00");
    EXPECT_EQ(FormatFrameTimeText(Time(2006, 3, 26, 4, 0, 0, 1)), "Sunday, 26-March-2006 04:00:00.001");
    // Local calendar fields follow the zone and its changes of time too.
    const auto text = [](const std::optional<CalendarFields>& f) {
        return f ? RecordName(f->Year, f->Month, f->Day, f->Hour, f->Minute, f->Second) : "none";
    };
    for (const auto& [time, fields] : std::vector<std::pair<RecordTime, std::string>>{
         {Utc("2006-01-01 22:30:00"), "2006-01-02 00:30:00"},  // +2: the next day
         {Utc("2006-07-31 21:00:01"), "2006-08-01 00:00:01"},  // +3 in summer: the next month
         {-1, "1970-01-01 01:59:59"},
         {std::numeric_limits<RecordTime>::max(), "none"}})
        EXPECT_EQ(text(LocalCalendarFields(time)), fields) << time;
}

TEST(RecordTime, IntervalsAreBetweenCalendarTimesOnly)
{
    EXPECT_DOUBLE_EQ(SecondsBetween(Time(2006, 1, 1, 0, 0, 0, 100), Time(2005, 12, 31, 23, 59, 59, 900)), 0.2);
    EXPECT_DOUBLE_EQ(SecondsBetween(Time(2004, 3, 1), Time(2004, 2, 29)), 86400.0);
    // A time that is no calendar time has no interval, so every "d >= 0" test of a caller fails.
    for (const FrameTime& invalid :
         {Time(0, 0, 0), Time(1600, 12, 31), Time(30828, 1, 1), Time(2006, 0, 1), Time(2006, 13, 1), Time(2006, 1, 0),
          Time(2006, 4, 31), Time(2005, 2, 29), Time(1900, 2, 29), Time(2006, 1, 1, 24), Time(2006, 1, 1, 0, 60),
          Time(2006, 1, 1, 0, 0, 60), Time(2006, 1, 1, 0, 0, 0, 1000)})
        EXPECT_TRUE(std::isnan(SecondsBetween(Time(2006, 1, 1), invalid))) << invalid.Year << "-" << invalid.Month;
}

}  // namespace
