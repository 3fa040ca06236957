#include "records/RecordDirectory.h"

#include "records/DirectoryReader.h"
#include "records/RecordNameParser.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <stdexcept>
#include <utility>

namespace {

std::optional<std::tm> LocalDate(RecordTime time)
{
    const std::time_t value = time;
    std::tm fields{};
    if (!localtime_r(&value, &fields))
        return std::nullopt;
    return fields;
}

bool OnDay(RecordTime time, const std::optional<std::tm>& day)
{
    const std::optional<std::tm> fields = LocalDate(time);
    return fields && day && fields->tm_mday == day->tm_mday && fields->tm_mon == day->tm_mon &&
           fields->tm_year == day->tm_year;
}

bool StateShown(RecordState state, std::int32_t mask)
{
    switch (state) {
    case RecordState::Confirmed:
        return (mask & RecordDirectory::ShowConfirmed) != 0;
    case RecordState::Rejected:
        return (mask & RecordDirectory::ShowRejected) != 0;
    case RecordState::Unprocessed:
        break;
    }
    return (mask & RecordDirectory::ShowUnprocessed) != 0;
}

// The sort keys of one row; the position in AllRecords last, so that equal
// rows keep scan order (what inserting each row after its equals gives).
struct SortKey {
    std::int32_t State;
    std::int32_t Code;
    RecordTime Time;
    std::size_t Index;

    auto operator<=>(const SortKey&) const = default;
};

}  // namespace

RecordDirectory::RecordDirectory() : SelectedDay(std::time(nullptr)) {}

void RecordDirectory::SetRoot(const std::string& path)
{
    Root = path;
    if (Root.empty() || Root.back() != '/')
        Root += '/';
    Rescan();
}

void RecordDirectory::Rescan()
{
    AllRecords.clear();
    for (const RecordState state : {RecordState::Unprocessed, RecordState::Confirmed, RecordState::Rejected})
        ScanDirectory(StateDirectory(state), state);
    SelectedIndex = -1;
    Refilter();
}

void RecordDirectory::ScanDirectory(const std::string& directory, RecordState state)
{
    RecordNameParser parser;
    DirectoryReader reader(directory);
    std::string_view name;
    DirectoryReader::Kind kind;
    while (reader.Next(name, kind)) {
        if (kind != DirectoryReader::Kind::Directory)
            continue;
        if (const std::optional<RecordTime> time = parser.Parse(name))
            AllRecords.push_back(RecordEntry{std::string(name), *time, state});
    }
}

void RecordDirectory::BuildList(std::vector<RecordEntry>& list, std::int32_t mask, RecordTime day,
                                std::int32_t sortMode) const
{
    list.clear();
    const bool byDay = (mask & AllDays) == 0;
    const std::optional<std::tm> dayFields = byDay ? LocalDate(day) : std::nullopt;
    const bool byType = sortMode == SortByType;
    std::vector<SortKey> keys;
    for (std::size_t i = 0; i < AllRecords.size(); ++i) {
        const RecordEntry& row = AllRecords[i];
        if ((byDay && !OnDay(row.Time, dayFields)) || !StateShown(row.State, mask))
            continue;
        // Each note is read once here, never once per comparison.
        PrivateNote note;
        if (byType && NoteOrdering)
            ReadNote(row, note);
        keys.push_back({byType ? static_cast<std::int32_t>(row.State) : 0, note.NoteCode, row.Time, i});
    }
    std::sort(keys.begin(), keys.end());
    list.reserve(keys.size());
    for (const SortKey& key : keys)
        list.push_back(AllRecords[key.Index]);
}

void RecordDirectory::Refilter()
{
    std::optional<std::string> selected;
    if (SelectedIndex >= 0 && static_cast<std::size_t>(SelectedIndex) < Visible.size())
        selected = Visible[SelectedIndex].Name;
    BuildList(Visible, FilterMask, SelectedDay, SortMode);
    int index = -1;
    if (selected) {
        const auto found = std::find_if(Visible.begin(), Visible.end(),
                                        [&selected](const RecordEntry& row) { return SameRecordName(row.Name, *selected); });
        if (found != Visible.end())
            index = static_cast<int>(found - Visible.begin());
    }
    Select(index);
}

void RecordDirectory::Select(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= Visible.size())
        index = -1;
    if (index == SelectedIndex)
        return;
    SelectedIndex = index;
    if (index == -1)
        return;
    LoadRecord(Content, RecordPath(Visible[index]), Visible[index].Time);
}

void RecordDirectory::SetSortMode(std::int32_t mode)
{
    SortMode = mode;
    Refilter();
}

void RecordDirectory::SetFilter(std::int32_t mask, std::optional<RecordTime> day)
{
    FilterMask = mask;
    if (day)
        SelectedDay = *day;
    Refilter();
}

std::string RecordDirectory::RecordPath(const RecordEntry& row) const
{
    return StateDirectory(row.State) + row.Name;
}

RecordEntry* RecordDirectory::FindByName(std::string_view name)
{
    return const_cast<RecordEntry*>(std::as_const(*this).FindByName(name));
}

const RecordEntry* RecordDirectory::FindByName(std::string_view name) const
{
    const auto found = std::find_if(AllRecords.begin(), AllRecords.end(),
                                    [name](const RecordEntry& row) { return SameRecordName(row.Name, name); });
    return found == AllRecords.end() ? nullptr : &*found;
}

bool RecordDirectory::ReadNote(int row, PrivateNote& note) const
{
    note = PrivateNote{};
    if (row < 0 || static_cast<std::size_t>(row) >= Visible.size())
        return false;
    return ReadNote(Visible[row], note);
}

bool RecordDirectory::ReadNote(const RecordEntry& row, PrivateNote& note) const
{
    return ReadPrivateNote(NotePath(row), note);
}

bool RecordDirectory::WriteNote(int row, std::int32_t code, const std::string& text)
{
    return WritePrivateNote(NotePath(VisibleRow(row)), PrivateNote{code, text});
}

bool RecordDirectory::DeleteNote(int row)
{
    return std::remove(NotePath(VisibleRow(row)).c_str()) == 0;
}

std::string RecordDirectory::StateDirectory(RecordState state) const
{
    switch (state) {
    case RecordState::Confirmed:
        return Root + ConfirmedDirectory + '/';
    case RecordState::Rejected:
        return Root + RejectedDirectory + '/';
    case RecordState::Unprocessed:
        break;
    }
    return Root;
}

std::string RecordDirectory::NotePath(const RecordEntry& row) const
{
    return RecordPath(row) + '/' + PrivateNote::FileName;
}

const RecordEntry& RecordDirectory::VisibleRow(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= Visible.size())
        throw std::invalid_argument("no visible record row " + std::to_string(index));
    return Visible[index];
}
