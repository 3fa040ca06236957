#include "document/CVantrelDoc.h"

#include "document/CommandIds.h"
#include "document/CommandRows.h"

// The command table: every id with its menu text, handler and update rule.
// The detailed rendering, the playback and the print job add their own rows;
// ids without a handler here belong to the application or a pane, which
// attach theirs to the same table.
void CVantrelDoc::DefineCommands()
{
    using D = CVantrelDoc;
    static const CommandRow<D> rows[] = {
        // Records and modes.
        {ID_REFRESH, "Refresh\tF2", &D::OnRefreshCommand, &D::AlwaysEnabled},
        {ID_SORT_BY_TIME, "Sort by time", &D::OnSortMode, &D::SortRule},
        {ID_SORT_BY_TYPE, "Sort by type", &D::OnSortMode, &D::SortRule},
        {ID_RECORDS_ALL, "All", nullptr, &D::AllDaysRule},
        {ID_RECORDS_FOR_THE_DAY, "For the day", nullptr, &D::ForTheDayRule},
        {ID_RECDIR_FILTER_BUTTON, "", nullptr, &D::FilterButtonRule},
        {ID_CALENDAR, "Calendar", &D::OnCalendar, &D::CalendarRule},
        {ID_RECORD_CONFIRM, "", &D::OnDecision, &D::DecisionRule},
        {ID_RECORD_REJECT, "", &D::OnDecision, &D::DecisionRule},
        {ID_PRIVATE_NOTES_MODE, "", &D::OnPrivateNotesMode, &D::AlwaysEnabled},
        {ID_MARK_0 + 0, "", &D::OnMark, &D::AlwaysEnabled},
        {ID_MARK_0 + 1, "", &D::OnMark, &D::AlwaysEnabled},
        {ID_MARK_0 + 2, "", &D::OnMark, &D::AlwaysEnabled},
        {ID_MARK_0 + 3, "", &D::OnMark, &D::AlwaysEnabled},
        {ID_MARK_0 + 4, "", &D::OnMark, &D::AlwaysEnabled},
        {ID_MARK_0 + 5, "", &D::OnMark, &D::AlwaysEnabled},
        {ID_MARK_0 + 6, "", &D::OnMark, &D::AlwaysEnabled},
        {ID_MARK_0 + 7, "", &D::OnMark, &D::AlwaysEnabled},
        {ID_MARK_0 + 8, "", &D::OnMark, &D::AlwaysEnabled},
        {ID_MARK_9, "", &D::OnMark, &D::AlwaysEnabled},
        {ID_MARK_DELETE, "", &D::OnMarkDelete, &D::AlwaysEnabled},
        {ID_NOTE_EDIT, "", &D::OnNoteEdit, &D::AlwaysEnabled},
        {ID_NOTE_DELETE, "", &D::OnNoteDelete, &D::AlwaysEnabled},
        {ID_RECORDS_LISTING, "", &D::OnRecordsListing, &D::AlwaysEnabled},
        // The lanes of the thumbnails pane.
        {ID_LANE_LEFT, "", &D::OnLane, &D::LaneRule},
        {ID_LANE_MIDDLE, "", &D::OnLane, &D::LaneRule},
        {ID_LANE_RIGHT, "", &D::OnLane, &D::LaneRule},
        // Display mode.
        {ID_DETAILED_FULL_SCREEN, "&Full screen\tF10", &D::OnFullScreen, &D::FullScreenRule},
        {ID_GENERAL_FULL_SCREEN, "&Full screen\tF9", &D::OnFullScreen, &D::FullScreenRule},
        {ID_LEAVE_FULL_SCREEN, "", &D::OnLeaveFullScreen, &D::AlwaysEnabled},
        {ID_RECORD_INFORMATION, "&Information....", &D::OnRecordInformation, &D::InformationRule},
        // The application's: handlers come with the application shell.
        {ID_FILE_NEW, "", nullptr, nullptr},
        {ID_FILE_OPEN, "&Open...\tCtrl+O", nullptr, nullptr},
        {ID_FILE_PRINT_SETUP, "Print settup...", nullptr, nullptr},
        {ID_FILE_MRU_FILE1, "Recent File", nullptr, nullptr},
        {ID_FILE_MRU_FILE1 + 1, "", nullptr, nullptr},
        {ID_FILE_MRU_FILE1 + 2, "", nullptr, nullptr},
        {ID_FILE_MRU_FILE4, "", nullptr, nullptr},
        {ID_APP_ABOUT, "&About this programm...", nullptr, nullptr},
        {ID_APP_EXIT, "E&xit", nullptr, nullptr},
        // The platform's keys: next and previous pane, and the edit commands
        // of whatever control has the focus.
        {ID_NEXT_PANE, "", nullptr, nullptr},
        {ID_PREV_PANE, "", nullptr, nullptr},
        {ID_EDIT_COPY, "", nullptr, nullptr},
        {ID_EDIT_CUT, "", nullptr, nullptr},
        {ID_EDIT_PASTE, "", nullptr, nullptr},
        {ID_EDIT_UNDO, "", nullptr, nullptr},
    };
    DefineCommandRows<D>(commands_, *this, rows);
    rendering_.DefineCommands(commands_);
    playback_.DefineCommands(commands_);
    printJob_.DefineCommands(commands_);
}

CommandState CVantrelDoc::AlwaysEnabled(int) const
{
    return {true, false};
}
