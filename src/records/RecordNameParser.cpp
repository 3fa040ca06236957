#include "records/RecordNameParser.h"

namespace {

constexpr RecordTime SecondsPerDay = 86'400;

std::optional<long> UtcOffset(RecordTime time)
{
    const std::optional<std::tm> fields = ToLocalFields(time);
    return fields ? std::optional<long>(fields->tm_gmtoff) : std::nullopt;
}

bool StartsAtFullHour(RecordTime time, int hour)
{
    const std::optional<std::tm> fields = ToLocalFields(time);
    return fields && fields->tm_hour == hour && fields->tm_min == 0 && fields->tm_sec == 0;
}

}  // namespace

std::optional<RecordTime> RecordNameParser::Parse(std::string_view name)
{
    const std::optional<CalendarFields> fields = SplitRecordName(name);
    if (!fields)
        return std::nullopt;
    const auto key = static_cast<std::uint32_t>(((fields->Year * 16 + fields->Month) * 32 + fields->Day) * 32 +
                                                fields->Hour);
    auto found = hourStarts_.find(key);
    if (found == hourStarts_.end())
        found = hourStarts_.emplace(key, SteadyHourStart(*fields)).first;
    if (!found->second)
        return LocalToRecordTime(*fields);
    return *found->second + fields->Minute * 60 + fields->Second;
}

std::optional<RecordTime> RecordNameParser::SteadyHourStart(const CalendarFields& fields)
{
    const std::optional<RecordTime> start =
        LocalToRecordTime({fields.Year, fields.Month, fields.Day, fields.Hour, 0, 0});
    const std::optional<RecordTime> end =
        LocalToRecordTime({fields.Year, fields.Month, fields.Day, fields.Hour, 59, 59});
    if (!start || !end || *end - *start != 3599 || !StartsAtFullHour(*start, fields.Hour))
        return std::nullopt;
    const std::optional<long> offset = UtcOffset(*start);
    for (const RecordTime probe : {*start - SecondsPerDay, *end, *end + SecondsPerDay}) {
        if (!offset || UtcOffset(probe) != offset)
            return std::nullopt;
    }
    return start;
}
