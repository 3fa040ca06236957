#include "records/FrameTime.h"

namespace {

constexpr std::int64_t TicksPerMillisecond = 10'000;
constexpr std::int64_t TicksPerSecond = 1000 * TicksPerMillisecond;
constexpr std::int64_t SecondsPerDay = 86'400;

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t year, int month, int day)
{
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146'097 + dayOfEra - 719'468;
}

// The inverse of DaysFromCivil.
void CivilFromDays(std::int64_t days, std::int64_t& year, int& month, int& day)
{
    days += 719'468;
    const std::int64_t era = (days >= 0 ? days : days - 146'096) / 146'097;
    const std::int64_t dayOfEra = days - era * 146'097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    year = yearOfEra + era * 400 + (month <= 2);
}

const std::int64_t EpochDays = DaysFromCivil(1601, 1, 1);

bool IsValid(const FrameTime& time)
{
    return time.Year >= 1601 && time.Year <= 30827 && time.Month >= 1 && time.Month <= 12 &&
           time.Day >= 1 && time.Day <= DaysInMonth(time.Year, time.Month) && time.Hour <= 23 &&
           time.Minute <= 59 && time.Second <= 59 && time.Millisecond <= 999;
}

}  // namespace

std::optional<std::int64_t> ToSystemTicks(const FrameTime& time)
{
    if (!IsValid(time))
        return std::nullopt;
    const std::int64_t days = DaysFromCivil(time.Year, time.Month, time.Day) - EpochDays;
    const std::int64_t seconds = days * SecondsPerDay + time.Hour * 3600 + time.Minute * 60 + time.Second;
    return seconds * TicksPerSecond + time.Millisecond * TicksPerMillisecond;
}

std::optional<FrameTime> FromSystemTicks(std::int64_t ticks)
{
    if (ticks < 0)
        return std::nullopt;
    const std::int64_t seconds = ticks / TicksPerSecond;
    const std::int64_t days = seconds / SecondsPerDay;
    const std::int64_t secondOfDay = seconds % SecondsPerDay;
    std::int64_t year = 0;
    int month = 0;
    int day = 0;
    CivilFromDays(days + EpochDays, year, month, day);
    FrameTime time;
    time.Year = static_cast<std::uint16_t>(year);
    time.Month = static_cast<std::uint16_t>(month);
    time.DayOfWeek = static_cast<std::uint16_t>((days + 1) % 7);  // 1601-01-01 was a Monday
    time.Day = static_cast<std::uint16_t>(day);
    time.Hour = static_cast<std::uint16_t>(secondOfDay / 3600);
    time.Minute = static_cast<std::uint16_t>(secondOfDay / 60 % 60);
    time.Second = static_cast<std::uint16_t>(secondOfDay % 60);
    time.Millisecond = static_cast<std::uint16_t>(ticks % TicksPerSecond / TicksPerMillisecond);
    return time;
}
