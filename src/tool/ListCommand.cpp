#include "tool/ListCommand.h"

#include "records/LocalCalendarFields.h"
#include "records/RecordDirectory.h"
#include "records/RecordListText.h"
#include "tool/OptionalValue.h"
#include "tool/ToolEnvironment.h"
#include "tool/ToolOutput.h"
#include "tool/UsageError.h"
#include "tool/WholeNumber.h"

#include <CLI/App.hpp>

#include <cstdint>
#include <ctime>
#include <map>

namespace {

const std::map<std::string, std::int32_t> SortModes = {{"time", RecordDirectory::SortByTime},
                                                       {"type", RecordDirectory::SortByType}};

// Noon of the local day, a time that exists on every day whatever the
// daylight-saving rules; the day filter compares only the date.
RecordTime Day(const std::string& text)
{
    const auto fail = [&] { return UsageError("--day must be a date YYYY-MM-DD: '" + text + "'"); };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        throw fail();
    CalendarFields fields;
    fields.Year = static_cast<int>(WholeNumber::Parse(text.substr(0, 4), 1900, 9999, "--day year"));
    fields.Month = static_cast<int>(WholeNumber::Parse(text.substr(5, 2), 1, 12, "--day month"));
    fields.Day = static_cast<int>(WholeNumber::Parse(text.substr(8, 2), 1, 31, "--day day"));
    fields.Hour = 12;
    const auto time = LocalToRecordTime(fields);
    // The library carries a day past the month's end into the next month.
    const auto local = time ? LocalCalendarFields(*time) : std::nullopt;
    if (!local || local->Day != fields.Day)
        throw fail();
    return *time;
}

}  // namespace

void ListCommand::Declare(CLI::App& command)
{
    command.add_option("--sort", sort_)->check(CLI::IsMember(SortModes));
    command.add_flag("--notes", notes_);
    command.add_option("--mask", mask_)->check(WholeNumber(WholeNumber::Int32Low, WholeNumber::Int32High));
    AddOptionalValue(command, "--day", day_);
}

int ListCommand::Run(ToolEnvironment& environment) const
{
    const RecordTime selectedDay = day_ ? Day(*day_) : RecordTime{std::time(nullptr)};

    auto records = environment.OpenRecords();
    records->SortMode = SortModes.at(sort_);
    records->NoteOrdering = notes_;
    records->FilterMask = mask_;
    records->SelectedDay = selectedDay;
    records->Refilter();
    for (std::size_t row = 0; row < records->Visible.size(); ++row) {
        const RecordEntry& entry = records->Visible[row];
        PrintFields({RecordListText(*records, static_cast<int>(row), notes_),
                     std::to_string(static_cast<int>(entry.State)), entry.Name});
    }
    return ExitSuccess;
}
