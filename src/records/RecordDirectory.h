#pragma once

#include "records/PrivateNote.h"
#include "records/RecordContent.h"
#include "records/RecordEntry.h"
#include "records/RecordState.h"
#include "records/RecordTime.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The record store: every record under the root, the visible list built from
// it by filter and sort, the selected visible row and that record's files.
// Fields are open like the document's own: the document copies its private
// notes mode into NoteOrdering, and a caller that wants the selected row
// reloaded sets SelectedIndex to -1 before calling Select.
class RecordDirectory {
public:
    // FilterMask bits.
    static constexpr std::int32_t AllDays = 1;
    static constexpr std::int32_t ShowConfirmed = 2;
    static constexpr std::int32_t ShowRejected = 4;
    static constexpr std::int32_t ShowUnprocessed = 8;
    // SortMode values.
    static constexpr std::int32_t SortByTime = 0;
    static constexpr std::int32_t SortByType = 1;

    RecordDirectory();

    std::int32_t SortMode = SortByTime;
    bool NoteOrdering = false;
    RecordTime SelectedDay;  // the current time when the store is made
    std::int32_t FilterMask = -1;
    std::string Root;  // ends in '/' once set
    // Names of the subdirectories of the root that hold decided records.
    std::string ConfirmedDirectory = "!CONFIRMED";
    std::string RejectedDirectory = "!REJECTED";
    std::int32_t SelectedIndex = -1;
    std::vector<RecordEntry> Visible;
    // Goes up each time Visible changes and at every rescan, so that a view
    // can tell another current record in the list it shows from another list.
    std::uint64_t ListRevision = 0;
    std::vector<RecordEntry> AllRecords;
    RecordContent Content;

    // Stores the root as DirectoryPrefix gives it (the settings keep the text
    // as configured), then rescans.
    void SetRoot(const std::string& path);
    // Rebuilds AllRecords from the root and its two subdirectories, selects nothing, refilters.
    void Rescan();
    // Appends a row for each record directory in the directory (ending in '/').
    void ScanDirectory(const std::string& directory, RecordState state);
    // Fills the list from AllRecords: rows of the masked states (and of the
    // day's local date unless the mask has AllDays), ascending by time, or by
    // state, note code (with NoteOrdering) and time; equal rows keep scan order.
    void BuildList(std::vector<RecordEntry>& list, std::int32_t mask, RecordTime day,
                   std::int32_t sortMode) const;
    // Rebuilds Visible and keeps the selected record selected while it stays visible.
    void Refilter();
    // Selects a visible row (an index outside Visible selects nothing) and loads
    // its files, unless it is the selected index already.
    void Select(int index);
    void SetSortMode(std::int32_t mode);
    void SetFilter(std::int32_t mask, std::optional<RecordTime> day = std::nullopt);

    // The directory of a row, without a trailing separator.
    std::string RecordPath(const RecordEntry& row) const;
    // The first row of AllRecords with that name, ignoring case.
    RecordEntry* FindByName(std::string_view name);
    const RecordEntry* FindByName(std::string_view name) const;

    // The note of a visible row; false (code 0, empty text) for a row outside
    // Visible or an unreadable file.
    bool ReadNote(int row, PrivateNote& note) const;
    bool ReadNote(const RecordEntry& row, PrivateNote& note) const;
    // Write and delete the note of a visible row; an index outside Visible
    // throws std::invalid_argument. False when the disk refused.
    bool WriteNote(int row, std::int32_t code, const std::string& text);
    bool DeleteNote(int row);

    // Decisions on a visible row: move its directory into the confirmed or the
    // rejected subdirectory, or back into the root. A negative index (or an
    // empty list) and a row already there succeed without doing anything; an
    // index past the end throws std::invalid_argument. A failed move (the name
    // exists at the target, the source is gone, another file system) changes
    // nothing and gives false. The row keeps its place with its new state and
    // is reloaded from its new path.
    bool ConfirmRecord(int index);
    bool RejectRecord(int index);
    bool RestoreRecord(int index);

private:
    std::string StateDirectory(RecordState state) const;
    std::string NotePath(const RecordEntry& row) const;
    const RecordEntry& VisibleRow(int index) const;
    bool MoveRecord(int index, RecordState target);
};
