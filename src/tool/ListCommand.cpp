#include "tool/ListCommand.h"

#include "records/LocalCalendarFields.h"
#include "records/RecordDirectory.h"
#include "records/RecordListText.h"
#include "tool/ToolEnvironment.h"
#include "tool/ToolOutput.h"
#include "tool/UsageError.h"

#include <cstdint>
#include <ctime>
#include <limits>

namespace {

std::int32_t SortMode(const CommandLine& arguments)
{
    const std::string mode = arguments.Value("--sort").value_or("time");
    if (mode == "time")
        return RecordDirectory::SortByTime;
    if (mode == "type")
        return RecordDirectory::SortByType;
    throw UsageError("--sort must be time or type: '" + mode + "'");
}

// Noon of the local day, a time that exists on every day whatever the
// daylight-saving rules; the day filter compares only the date.
RecordTime Day(const std::string& text)
{
    const auto fail = [&] { return UsageError("--day must be a date YYYY-MM-DD: '" + text + "'"); };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        throw fail();
    CalendarFields fields;
    fields.Year = static_cast<int>(ParseInteger(text.substr(0, 4), 1900, 9999, "--day year"));
    fields.Month = static_cast<int>(ParseInteger(text.substr(5, 2), 1, 12, "--day month"));
    fields.Day = static_cast<int>(ParseInteger(text.substr(8, 2), 1, 31, "--day day"));
    fields.Hour = 12;
    const auto time = LocalToRecordTime(fields);
    // The library carries a day past the month's end into the next month.
    const auto local = time ? LocalCalendarFields(*time) : std::nullopt;
    if (!local || local->Day != fields.Day)
        throw fail();
    return *time;
}

}  // namespace

std::vector<OptionDefinition> ListCommand::Options() const
{
    return {{"--sort", true}, {"--notes", false}, {"--mask", true}, {"--day", true}};
}

int ListCommand::Run(const CommandLine& arguments, ToolEnvironment& environment) const
{
    const std::int32_t sortMode = SortMode(arguments);
    const bool notes = arguments.Has("--notes");
    const auto mask = arguments.Value("--mask");
    const auto day = arguments.Value("--day");
    constexpr auto low = std::numeric_limits<std::int32_t>::min();
    constexpr auto high = std::numeric_limits<std::int32_t>::max();
    const std::int32_t filterMask =
        mask ? static_cast<std::int32_t>(ParseInteger(*mask, low, high, "--mask")) : -1;
    const RecordTime selectedDay = day ? Day(*day) : RecordTime{std::time(nullptr)};

    auto records = environment.OpenRecords();
    records->SortMode = sortMode;
    records->NoteOrdering = notes;
    records->FilterMask = filterMask;
    records->SelectedDay = selectedDay;
    records->Refilter();
    for (std::size_t row = 0; row < records->Visible.size(); ++row) {
        const RecordEntry& entry = records->Visible[row];
        PrintFields({RecordListText(*records, static_cast<int>(row), notes),
                     std::to_string(static_cast<int>(entry.State)), entry.Name});
    }
    return ExitSuccess;
}
