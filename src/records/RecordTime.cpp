#include "records/RecordTime.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr const char* WeekdayNames[8] = {"???",       "Sunday",   "Monday", "Tuesday",
                                         "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr const char* MonthNames[13] = {"???",  "January", "February",  "March",   "April",
                                        "May",  "June",    "July",      "August",  "September",
                                        "October", "November", "December"};

// The long time text of local fields; null gives the text of a failed conversion.
std::string TimeText(const std::tm* tm)
{
    int weekday = 0, day = 0, month = 0, year = 0, hour = -1, minute = -1, second = -1;
    if (tm) {
        weekday = tm->tm_wday + 1;
        day = tm->tm_mday;
        month = (tm->tm_mon + 1) % 13;
        year = tm->tm_year + 1900;
        hour = tm->tm_hour;
        minute = tm->tm_min;
        second = tm->tm_sec;
    }
    char text[96];
    std::snprintf(text, sizeof text, "%s, %02d-%s-%02d %02d:%02d:%02d", WeekdayNames[weekday], day,
                  MonthNames[month], year, hour, minute, second);
    return text;
}

// A group of a record name read as strtol reads a number: white space, a
// sign, then digits up to the first character that is none. Written out
// because a scan reads six groups of every directory name.
int GroupValue(std::string_view group)
{
    std::size_t at = 0;
    while (at < group.size() && (group[at] == ' ' || (group[at] >= '\t' && group[at] <= '\r')))
        ++at;
    const bool negative = at < group.size() && group[at] == '-';
    if (at < group.size() && (group[at] == '-' || group[at] == '+'))
        ++at;
    int value = 0;
    for (; at < group.size() && group[at] >= '0' && group[at] <= '9'; ++at)
        value = value * 10 + (group[at] - '0');
    return negative ? -value : value;
}

}  // namespace

std::optional<RecordTime> LocalToRecordTime(const CalendarFields& fields)
{
    std::tm tm{};
    tm.tm_year = fields.Year - 1900;
    tm.tm_mon = fields.Month - 1;
    tm.tm_mday = fields.Day;
    tm.tm_hour = fields.Hour;
    tm.tm_min = fields.Minute;
    tm.tm_sec = fields.Second;
    tm.tm_isdst = -1;
    // -1 is also a valid result; only a conversion that succeeded fills in the weekday.
    tm.tm_wday = -1;
    const std::time_t result = std::mktime(&tm);
    if (result == static_cast<std::time_t>(-1) && tm.tm_wday == -1)
        return std::nullopt;
    return result;
}

std::optional<std::tm> ToLocalFields(RecordTime time)
{
    const std::time_t value = time;
    std::tm fields{};
    if (!localtime_r(&value, &fields))
        return std::nullopt;
    return fields;
}

std::optional<RecordTime> ToRecordTime(const FrameTime& time)
{
    if (time.Year < 1900)
        return 0;
    return LocalToRecordTime({time.Year, time.Month, time.Day, time.Hour, time.Minute, time.Second});
}

std::optional<CalendarFields> SplitRecordName(std::string_view name)
{
    if (name.size() != 19)
        return std::nullopt;
    const auto group = [name](std::size_t start, std::size_t length) { return GroupValue(name.substr(start, length)); };
    const CalendarFields fields{group(0, 4), group(5, 2), group(8, 2), group(11, 2), group(14, 2), group(17, 2)};
    const bool valid = fields.Year >= 2005 && fields.Month >= 1 && fields.Month <= 12 && fields.Day >= 0 &&
                       fields.Day <= 31 && fields.Hour >= 0 && fields.Hour <= 23 && fields.Minute >= 0 &&
                       fields.Minute <= 59 && fields.Second >= 0 && fields.Second <= 59;
    if (!valid)
        return std::nullopt;
    return fields;
}

std::optional<RecordTime> ParseRecordName(std::string_view name)
{
    const std::optional<CalendarFields> fields = SplitRecordName(name);
    if (!fields)
        return std::nullopt;
    return LocalToRecordTime(*fields);
}

std::string FormatTimeText(RecordTime time)
{
    const std::optional<std::tm> fields = ToLocalFields(time);
    return TimeText(fields ? &*fields : nullptr);
}

std::string FormatFrameTimeText(const FrameTime& time)
{
    const std::optional<RecordTime> converted = ToRecordTime(time);
    std::string text = converted ? FormatTimeText(*converted) : TimeText(nullptr);
    char milliseconds[16];
    std::snprintf(milliseconds, sizeof milliseconds, ".%03d", int{time.Millisecond});
    return text + milliseconds;
}

double SecondsBetween(const FrameTime& a, const FrameTime& b)
{
    const std::optional<std::int64_t> ticksA = ToSystemTicks(a);
    const std::optional<std::int64_t> ticksB = ToSystemTicks(b);
    if (!ticksA || !ticksB)
        return std::nan("");
    return static_cast<double>(*ticksA - *ticksB) * 1e-7;
}

std::string FormatLocaleDateTime(RecordTime time)
{
    const std::optional<std::tm> fields = ToLocalFields(time);
    if (!fields)
        return "Invalid DateTime";
    char text[256];
    const std::size_t length = std::strftime(text, sizeof text, "%c", &*fields);
    return std::string(text, length);
}
