#include "records/FindRecordByLocalTime.h"

#include "records/LocalCalendarFields.h"

#include <optional>

namespace {

bool Agree(const CalendarFields& a, const CalendarFields& b, LocalTimePrecision precision)
{
    if (a.Year != b.Year || a.Month != b.Month || a.Day != b.Day)
        return false;
    if (precision == LocalTimePrecision::Day)
        return true;
    if (a.Hour != b.Hour || a.Minute != b.Minute)
        return false;
    return precision == LocalTimePrecision::Minute || a.Second == b.Second;
}

}  // namespace

int FindRecordByLocalTime(const std::vector<RecordEntry>& rows, RecordTime time, LocalTimePrecision precision)
{
    const std::optional<CalendarFields> wanted = LocalCalendarFields(time);
    if (!wanted)
        return -1;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::optional<CalendarFields> fields = LocalCalendarFields(rows[row].Time);
        if (fields && Agree(*fields, *wanted, precision))
            return static_cast<int>(row);
    }
    return -1;
}

bool SameLocalTime(RecordTime a, RecordTime b, LocalTimePrecision precision)
{
    const std::optional<CalendarFields> first = LocalCalendarFields(a);
    const std::optional<CalendarFields> second = LocalCalendarFields(b);
    return first && second && Agree(*first, *second, precision);
}
