#include "records/RecordDirectory.h"

#include "records/DirectoryPrefix.h"
#include "records/DirectoryReader.h"
#include "records/RecordNameParser.h"
#include "records/RecordOrder.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <stdexcept>
#include <utility>

namespace {

bool OnDay(RecordTime time, const std::optional<std::tm>& day)
{
    const std::optional<std::tm> fields = ToLocalFields(time);
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

// The rows of AllRecords that the mask and the day let through, in scan order.
std::vector<std::uint32_t> PassingRows(const std::vector<RecordEntry>& rows, std::int32_t mask, RecordTime day)
{
    const bool byDay = (mask & RecordDirectory::AllDays) == 0;
    const std::optional<std::tm> dayFields = byDay ? ToLocalFields(day) : std::nullopt;
    std::vector<std::uint32_t> passing;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if ((!byDay || OnDay(rows[i].Time, dayFields)) && StateShown(rows[i].State, mask))
            passing.push_back(static_cast<std::uint32_t>(i));
    }
    return passing;
}

// Reorders rows already in time order by state and, with note ordering, by
// note code; stable, so time and then scan order decide within a group. Each
// note is read once here, never once per comparison.
void OrderByType(const RecordDirectory& records, std::vector<std::uint32_t>& order)
{
    struct Group {
        std::int32_t State;
        std::int32_t Code;
        std::uint32_t Index;
    };
    std::vector<Group> groups;
    groups.reserve(order.size());
    for (const std::uint32_t index : order) {
        const RecordEntry& row = records.AllRecords[index];
        PrivateNote note;
        if (records.NoteOrdering)
            records.ReadNote(row, note);
        groups.push_back({static_cast<std::int32_t>(row.State), note.NoteCode, index});
    }
    std::stable_sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) {
        return a.State != b.State ? a.State < b.State : a.Code < b.Code;
    });
    for (std::size_t i = 0; i < groups.size(); ++i)
        order[i] = groups[i].Index;
}

}  // namespace

RecordDirectory::RecordDirectory() : SelectedDay(std::time(nullptr)) {}

void RecordDirectory::SetRoot(const std::string& path)
{
    Root = DirectoryPrefix(path);
    Rescan();
}

void RecordDirectory::Rescan()
{
    AllRecords.clear();
    for (const RecordState state : {RecordState::Unprocessed, RecordState::Confirmed, RecordState::Rejected})
        ScanDirectory(StateDirectory(state), state);
    SelectedIndex = -1;
    // Notes and pictures may have changed on disk under the same rows.
    ++ListRevision;
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
    std::vector<std::uint32_t> order = StableTimeOrder(AllRecords, PassingRows(AllRecords, mask, day));
    if (sortMode == SortByType)
        OrderByType(*this, order);
    list.clear();
    list.reserve(order.size());
    for (const std::uint32_t index : order)
        list.push_back(AllRecords[index]);
}

void RecordDirectory::Refilter()
{
    std::optional<std::string> selected;
    if (SelectedIndex >= 0 && static_cast<std::size_t>(SelectedIndex) < Visible.size())
        selected = Visible[SelectedIndex].Name;
    std::vector<RecordEntry> rebuilt;
    BuildList(rebuilt, FilterMask, SelectedDay, SortMode);
    if (rebuilt != Visible) {
        Visible = std::move(rebuilt);
        ++ListRevision;
    }
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
