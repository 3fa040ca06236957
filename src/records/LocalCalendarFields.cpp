#include "records/LocalCalendarFields.h"

std::optional<CalendarFields> LocalCalendarFields(RecordTime time)
{
    const std::optional<std::tm> fields = ToLocalFields(time);
    if (!fields)
        return std::nullopt;
    return CalendarFields{fields->tm_year + 1900, fields->tm_mon + 1, fields->tm_mday,
                          fields->tm_hour,        fields->tm_min,     fields->tm_sec};
}
