#include "document/CVantrelDoc.h"

#include "document/CommandIds.h"

#include <utility>

// The command table: every id with its menu text, handler and update rule.
// Ids without a handler here belong to the application or a pane, which
// attach theirs to the same table.
void CVantrelDoc::DefineCommands()
{
    using Handler = void (CVantrelDoc::*)(int);
    using Rule = CommandState (CVantrelDoc::*)(int) const;
    struct Row {
        int Id;
        const char* Text;
        Handler Handle;
        Rule Update;
    };
    static const Row rows[] = {
        // Records and modes.
        {ID_REFRESH, "Refresh\tF2", &CVantrelDoc::OnRefreshCommand, &CVantrelDoc::AlwaysEnabled},
        {ID_SORT_BY_TIME, "Sort by time", &CVantrelDoc::OnSortMode, &CVantrelDoc::SortRule},
        {ID_SORT_BY_TYPE, "Sort by type", &CVantrelDoc::OnSortMode, &CVantrelDoc::SortRule},
        {ID_RECORDS_ALL, "All", nullptr, &CVantrelDoc::AllDaysRule},
        {ID_RECORDS_FOR_THE_DAY, "For the day", nullptr, &CVantrelDoc::ForTheDayRule},
        {ID_CALENDAR, "Calendar", &CVantrelDoc::OnCalendar, &CVantrelDoc::CalendarRule},
        {ID_PRIVATE_NOTES_MODE, "", &CVantrelDoc::OnPrivateNotesMode, &CVantrelDoc::AlwaysEnabled},
        {ID_MARK_0 + 0, "", &CVantrelDoc::OnMark, &CVantrelDoc::AlwaysEnabled},
        {ID_MARK_0 + 1, "", &CVantrelDoc::OnMark, &CVantrelDoc::AlwaysEnabled},
        {ID_MARK_0 + 2, "", &CVantrelDoc::OnMark, &CVantrelDoc::AlwaysEnabled},
        {ID_MARK_0 + 3, "", &CVantrelDoc::OnMark, &CVantrelDoc::AlwaysEnabled},
        {ID_MARK_0 + 4, "", &CVantrelDoc::OnMark, &CVantrelDoc::AlwaysEnabled},
        {ID_MARK_0 + 5, "", &CVantrelDoc::OnMark, &CVantrelDoc::AlwaysEnabled},
        {ID_MARK_0 + 6, "", &CVantrelDoc::OnMark, &CVantrelDoc::AlwaysEnabled},
        {ID_MARK_0 + 7, "", &CVantrelDoc::OnMark, &CVantrelDoc::AlwaysEnabled},
        {ID_MARK_0 + 8, "", &CVantrelDoc::OnMark, &CVantrelDoc::AlwaysEnabled},
        {ID_MARK_9, "", &CVantrelDoc::OnMark, &CVantrelDoc::AlwaysEnabled},
        {ID_MARK_DELETE, "", &CVantrelDoc::OnMarkDelete, &CVantrelDoc::AlwaysEnabled},
        {ID_NOTE_EDIT, "", &CVantrelDoc::OnNoteEdit, &CVantrelDoc::AlwaysEnabled},
        {ID_NOTE_DELETE, "", &CVantrelDoc::OnNoteDelete, &CVantrelDoc::AlwaysEnabled},
        {ID_RECORDS_LISTING, "", &CVantrelDoc::OnRecordsListing, &CVantrelDoc::AlwaysEnabled},
        // Detailed view settings.
        {ID_COLOR_WITHOUT, "&Without color correction\tCtrl+B", &CVantrelDoc::OnColourCorrection, &CVantrelDoc::ColourRule},
        {ID_COLOR_DAY, "1. &Day\tCtrl+D", &CVantrelDoc::OnColourCorrection, &CVantrelDoc::ColourRule},
        {ID_COLOR_NIGHT, "2. &Night\tCtrl+N", &CVantrelDoc::OnColourCorrection, &CVantrelDoc::ColourRule},
        {ID_COLOR_AUTO, "3. &Automatic\tCtrl+A", &CVantrelDoc::OnColourCorrection, &CVantrelDoc::ColourRule},
        {ID_COLOR_CYCLE, "", &CVantrelDoc::OnColourCycle, &CVantrelDoc::AlwaysEnabled},
        {ID_GAMMA, "&Gamma correction", &CVantrelDoc::OnGamma, &CVantrelDoc::GammaRule},
        {ID_FILTER_NONE, "Without filters", &CVantrelDoc::OnFilter, &CVantrelDoc::FilterRule},
        {ID_FILTER_SHARPEN, "1. Sharpen", &CVantrelDoc::OnFilter, &CVantrelDoc::FilterRule},
        {ID_FILTER_SHARPEN_STRONG, "2. Sharpen strong", &CVantrelDoc::OnFilter, &CVantrelDoc::FilterRule},
        {ID_FILTER_EMBOSS, "3. Emboss", &CVantrelDoc::OnFilter, &CVantrelDoc::FilterRule},
        {ID_BLACK_AND_WHITE, "&Black and Wait", &CVantrelDoc::OnBlackAndWhite, &CVantrelDoc::BlackAndWhiteRule},
        {ID_ZOOM_FIT, "&Fit to window\tCtrl+W", &CVantrelDoc::OnZoom, &CVantrelDoc::ZoomRule},
        {ID_ZOOM_50, "1. 50%", &CVantrelDoc::OnZoom, &CVantrelDoc::ZoomRule},
        {ID_ZOOM_75, "2. 75%", &CVantrelDoc::OnZoom, &CVantrelDoc::ZoomRule},
        {ID_ZOOM_100, "3. &100%\tCtrl+1", &CVantrelDoc::OnZoom, &CVantrelDoc::ZoomRule},
        {ID_ZOOM_150, "4. 150%", &CVantrelDoc::OnZoom, &CVantrelDoc::ZoomRule},
        {ID_ZOOM_200, "5. 200%", &CVantrelDoc::OnZoom, &CVantrelDoc::ZoomRule},
        // Display mode.
        {ID_DETAILED_FULL_SCREEN, "&Full screen\tF10", &CVantrelDoc::OnFullScreen, &CVantrelDoc::FullScreenRule},
        {ID_GENERAL_FULL_SCREEN, "&Full screen\tF9", &CVantrelDoc::OnFullScreen, &CVantrelDoc::FullScreenRule},
        {ID_LEAVE_FULL_SCREEN, "", &CVantrelDoc::OnLeaveFullScreen, &CVantrelDoc::AlwaysEnabled},
        // General-view playback.
        {ID_PLAY_RESTART, "&Restart\tF5", &CVantrelDoc::OnRestart, &CVantrelDoc::RestartRule},
        {ID_PLAY_CONTINUE, "Continue\tCtrl+F4", &CVantrelDoc::OnContinue, &CVantrelDoc::ContinueRule},
        {ID_PLAY_PAUSE, "Pause\tShift+F5", &CVantrelDoc::OnPause, &CVantrelDoc::PauseRule},
        {ID_PLAY_FIRST, "First frame", &CVantrelDoc::OnFirstFrame, &CVantrelDoc::RewindRule},
        {ID_PLAY_BACKWARD, "Backward", &CVantrelDoc::OnBackward, &CVantrelDoc::RewindRule},
        {ID_PLAY_FORWARD, "Forward", &CVantrelDoc::OnForward, &CVantrelDoc::ForwardRule},
        {ID_PLAY_LAST, "Last frame", &CVantrelDoc::OnLastFrame, &CVantrelDoc::LastFrameRule},
        // Information and printing.
        {ID_RECORD_INFORMATION, "&Information....", &CVantrelDoc::OnRecordInformation, &CVantrelDoc::InformationRule},
        {ID_DETAILED_PRINT, "Detailed print...", &CVantrelDoc::OnDetailedPrint, &CVantrelDoc::DetailedPrintRule},
        {ID_PRINT_GENERAL_VIEW, "&Print general view", &CVantrelDoc::OnPrintGeneralView, &CVantrelDoc::PrintGeneralViewRule},
        {ID_PRINT_DETAILED_VIEW, "&Print detailed view", &CVantrelDoc::OnPrintDetailedView, &CVantrelDoc::PrintDetailedViewRule},
        {ID_PRINT_SCREEN, "Print Screen\tCtrl+S", &CVantrelDoc::OnPrintScreen, &CVantrelDoc::AlwaysEnabled},
        {ID_PRINT_SUBPOENA, "Print Subpoena\tCtrl+P", &CVantrelDoc::OnPrintSubpoena, &CVantrelDoc::SubpoenaRule},
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
    for (const Row& row : rows) {
        commands_.Define(row.Id, row.Text);
        const int id = row.Id;
        CommandTable::Handler handler;
        if (row.Handle)
            handler = [this, handle = row.Handle, id] { (this->*handle)(id); };
        CommandTable::Rule rule;
        if (row.Update)
            rule = [this, update = row.Update, id] { return (this->*update)(id); };
        commands_.Attach(id, std::move(handler), std::move(rule));
    }
}
