#include "records/RecordNameParser.h"
#include "records/RecordTime.h"

#include "ScopedTimeZone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using testsupport::ScopedTimeZone;

namespace {

RecordTime Utc(int year, int month, int day, int hour, int minute, int second)
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

FrameTime Time(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int millisecond = 0)
{
    const auto u16 = [](int value) { return static_cast<std::uint16_t>(value); };
    return FrameTime{u16(year), u16(month), 0, u16(day), u16(hour), u16(minute), u16(second), u16(millisecond)};
}

constexpr RecordTime Unconvertible = std::numeric_limits<RecordTime>::max();

TEST(SystemTicks, CountFromThe1601EpochAndRoundTripWithTheWeekday)
{
    EXPECT_EQ(ToSystemTicks(Time(1601, 1, 1)), 0);
    EXPECT_EQ(ToSystemTicks(Time(1970, 1, 1)), 116'444'736'000'000'000);
    EXPECT_EQ(ToSystemTicks(Time(1970, 1, 1, 0, 0, 1, 5)), 116'444'736'010'050'000);
    const FrameTime samples[] = {Time(1601, 1, 1), Time(2005, 12, 5, 10, 20, 30, 250), Time(2004, 2, 29, 23, 59, 59, 999),
                                 Time(2100, 3, 1), Time(30827, 12, 31, 23, 59, 59, 999)};
    for (const FrameTime& sample : samples) {
        const std::optional<FrameTime> back = FromSystemTicks(ToSystemTicks(sample).value());
        ASSERT_TRUE(back);
        FrameTime expected = sample;
        expected.DayOfWeek = back->DayOfWeek;
        EXPECT_EQ(*back, expected) << sample.Year;
    }
    EXPECT_EQ(FromSystemTicks(ToSystemTicks(Time(2005, 12, 5)).value())->DayOfWeek, 1);  // a Monday
    EXPECT_EQ(FromSystemTicks(0)->DayOfWeek, 1);                                          // so was 1601-01-01
    EXPECT_EQ(FromSystemTicks(-1), std::nullopt);
}

TEST(SystemTicks, RejectFieldsOutOfRange)
{
    const struct {
        FrameTime time;
        bool valid;
    } cases[] = {
        {Time(1600, 12, 31), false},          {Time(1601, 1, 1), true},
        {Time(30827, 12, 31), true},          {Time(30828, 1, 1), false},
        {Time(2006, 0, 1), false},            {Time(2006, 13, 1), false},
        {Time(2006, 1, 0), false},            {Time(2006, 4, 31), false},
        {Time(2005, 2, 29), false},           {Time(2004, 2, 29), true},
        {Time(1900, 2, 29), false},           {Time(2000, 2, 29), true},
        {Time(2006, 1, 1, 24), false},        {Time(2006, 1, 1, 23, 60), false},
        {Time(2006, 1, 1, 23, 59, 60), false}, {Time(2006, 1, 1, 23, 59, 59, 1000), false},
        {Time(0, 0, 0), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(FormatFrameTimeText(c.time));
        EXPECT_EQ(ToSystemTicks(c.time).has_value(), c.valid);
    }
    FrameTime anyWeekday = Time(2006, 1, 2);
    anyWeekday.DayOfWeek = 6;
    EXPECT_EQ(ToSystemTicks(anyWeekday), ToSystemTicks(Time(2006, 1, 2)));
}

TEST(RecordTime, NamesAreCheckedAndReadAsLocalTime)
{
    ScopedTimeZone zone("UTC");
    const struct {
        const char* name;
        std::optional<RecordTime> time;
    } cases[] = {
        {"2005-12-05 10:20:30", Utc(2005, 12, 5, 10, 20, 30)},
        {"2005_12_05T10.20.30", Utc(2005, 12, 5, 10, 20, 30)},  // separators may be anything
        {"2004-12-31 23:59:59", std::nullopt},
        {"2005-01-00 12:00:00", Utc(2004, 12, 31, 12, 0, 0)},  // day 0 is the last of the month before
        {"2005-03-00 00:00:00", Utc(2005, 2, 28, 0, 0, 0)},
        {"2005-02-31 00:00:00", Utc(2005, 3, 3, 0, 0, 0)},  // carried over by the library
        {"2005-00-01 00:00:00", std::nullopt},
        {"2005-13-01 00:00:00", std::nullopt},
        {"2005-12-32 00:00:00", std::nullopt},
        {"2005-12-01 24:00:00", std::nullopt},
        {"2005-12-01 23:60:00", std::nullopt},
        {"2005-12-01 23:59:60", std::nullopt},
        {"2005-1a-05 10:20:30", Utc(2005, 1, 5, 10, 20, 30)},  // a group reads up to its first non-digit
        {"2005-ab-05 10:20:30", std::nullopt},
        {"abcd-12-05 10:20:30", std::nullopt},
        {"2005-12-05 10:20:3", std::nullopt},
        {"2005-12-05 10:20:301", std::nullopt},
        {"9999-12-31 23:59:59", Utc(9999, 12, 31, 23, 59, 59)},
        {"!CONFIRMED", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseRecordName(c.name), c.time);
        EXPECT_EQ(RecordNameParser().Parse(c.name), c.time);
    }
}

TEST(RecordTime, FrameTimesBefore1900AreZeroAndMinusOneIsAValidTime)
{
    ScopedTimeZone zone("UTC");
    EXPECT_EQ(ToRecordTime(Time(0, 0, 0)), 0);
    EXPECT_EQ(ToRecordTime(Time(1899, 12, 31, 23, 59, 59)), 0);
    EXPECT_EQ(ToRecordTime(Time(1900, 1, 1)), Utc(1900, 1, 1, 0, 0, 0));
    EXPECT_EQ(ToRecordTime(Time(2005, 12, 5, 10, 20, 30, 999)), Utc(2005, 12, 5, 10, 20, 30));
    EXPECT_EQ(ToRecordTime(Time(1969, 12, 31, 23, 59, 59)), -1);
}

// Sofia changes from EET (+2) to EEST (+3) on 2006-03-26 at 03:00 and back on
// 2006-10-29 at 04:00: hours next to a change are not steady, so a scan must
// convert them exactly as a single name is converted.
TEST(RecordTime, NamesAroundAChangeOfTimeConvertAsTheLibraryDoes)
{
    ScopedTimeZone zone("Europe/Sofia");
    const struct {
        const char* name;
        RecordTime first;
        RecordTime second;  // the other answer for a missing or repeated hour
    } cases[] = {
        {"2006-03-25 12:00:00", Utc(2006, 3, 25, 10, 0, 0), 0},
        {"2006-03-26 00:10:00", Utc(2006, 3, 25, 22, 10, 0), 0},
        {"2006-03-26 02:59:59", Utc(2006, 3, 26, 0, 59, 59), 0},
        {"2006-03-26 03:30:00", Utc(2006, 3, 26, 0, 30, 0), Utc(2006, 3, 26, 1, 30, 0)},
        {"2006-03-26 04:00:00", Utc(2006, 3, 26, 1, 0, 0), 0},
        {"2006-03-26 23:00:00", Utc(2006, 3, 26, 20, 0, 0), 0},
        {"2006-03-27 04:15:00", Utc(2006, 3, 27, 1, 15, 0), 0},
        {"2006-07-01 12:34:56", Utc(2006, 7, 1, 9, 34, 56), 0},
        {"2006-10-28 12:00:00", Utc(2006, 10, 28, 9, 0, 0), 0},
        {"2006-10-29 02:59:59", Utc(2006, 10, 28, 23, 59, 59), 0},
        {"2006-10-29 03:30:00", Utc(2006, 10, 29, 0, 30, 0), Utc(2006, 10, 29, 1, 30, 0)},
        {"2006-10-29 04:00:00", Utc(2006, 10, 29, 2, 0, 0), 0},
        {"2006-10-30 12:00:00", Utc(2006, 10, 30, 10, 0, 0), 0},
        {"2006-11-15 08:05:09", Utc(2006, 11, 15, 6, 5, 9), 0},
    };
    RecordNameParser parser;
    for (int pass = 0; pass < 2; ++pass) {  // the second pass answers from what the first remembered
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            const std::optional<RecordTime> single = ParseRecordName(c.name);
            const std::optional<RecordTime> scanned = parser.Parse(c.name);
            ASSERT_TRUE(single && scanned);
            EXPECT_TRUE(*single == c.first || (c.second != 0 && *single == c.second));
            EXPECT_TRUE(*scanned == c.first || (c.second != 0 && *scanned == c.second));
        }
    }
}

TEST(RecordTime, LongTimeTexts)
{
    ScopedTimeZone zone("UTC");
    EXPECT_EQ(FormatTimeText(Utc(2005, 12, 5, 10, 20, 30)), "Monday, 05-December-2005 10:20:30");
    EXPECT_EQ(FormatTimeText(Utc(2006, 1, 1, 0, 0, 0)), "Sunday, 01-January-2006 00:00:00");
    EXPECT_EQ(FormatTimeText(Utc(2006, 9, 30, 23, 59, 59)), "Saturday, 30-September-2006 23:59:59");
    EXPECT_EQ(FormatTimeText(Unconvertible), "???, 00-??\?-00 -1:-1:-1");
    EXPECT_EQ(FormatFrameTimeText(Time(2005, 12, 5, 10, 20, 30, 250)), "Monday, 05-December-2005 10:20:30.250");
    EXPECT_EQ(FormatFrameTimeText(Time(2005, 12, 5, 10, 20, 30, 7)), "Monday, 05-December-2005 10:20:30.007");
    EXPECT_EQ(FormatFrameTimeText(Time(0, 0, 0)), "Thursday, 01-January-1970 00:00:00.000");
}

TEST(RecordTime, LongTimeTextFollowsTheZone)
{
    ScopedTimeZone zone("Europe/Sofia");
    EXPECT_EQ(FormatTimeText(Utc(2006, 3, 26, 0, 59, 59)), "Sunday, 26-March-2006 02:59:59");
    EXPECT_EQ(FormatTimeText(Utc(2006, 3, 26, 1, 0, 0)), "Sunday, 26-March-2006 04:00:00");
    EXPECT_EQ(FormatFrameTimeText(Time(2006, 3, 26, 4, 0, 0, 1)), "Sunday, 26-March-2006 04:00:00.001");
}

TEST(RecordTime, SecondsBetweenFrameTimes)
{
    EXPECT_DOUBLE_EQ(SecondsBetween(Time(2006, 1, 1, 12, 0, 1, 250), Time(2006, 1, 1, 12, 0, 0, 0)), 1.25);
    EXPECT_DOUBLE_EQ(SecondsBetween(Time(2006, 1, 1, 0, 0, 0, 100), Time(2005, 12, 31, 23, 59, 59, 900)), 0.2);
    EXPECT_DOUBLE_EQ(SecondsBetween(Time(2006, 1, 1), Time(2006, 1, 2)), -86400.0);
    // A time the record does not give has no interval, so no "d >= 0" text appears.
    EXPECT_TRUE(std::isnan(SecondsBetween(Time(2006, 1, 1), Time(0, 0, 0))));
    EXPECT_TRUE(std::isnan(SecondsBetween(Time(2006, 2, 30), Time(2006, 1, 1))));
}

TEST(RecordTime, LocaleDateTimeText)
{
    ScopedTimeZone zone("UTC");
    EXPECT_EQ(FormatLocaleDateTime(Utc(2005, 12, 5, 10, 20, 30)), "Mon Dec  5 10:20:30 2005");
    EXPECT_EQ(FormatLocaleDateTime(Unconvertible), "Invalid DateTime");
}

}  // namespace
