// Every command of the table against a set of document states: its text,
// its enabled and ticked state, and that a disabled command does nothing.
#include "ReviewDocumentFixture.h"

#include "document/CommandIds.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

// One character per state of DocumentState: 'e' enabled, 'x' enabled and
// ticked, '-' disabled.
struct CommandRow {
    int id;
    const char* text;
    const char* states;
};

// State 0: empty visible list. 1: record on general frame 1 of 3. 2: on the
// last frame. 3: playing on frame 2. 4: every view setting changed, a day
// filter, frame 2. 5: a record without any frame, detailed full screen.
constexpr int StateCount = 6;

const CommandRow Rows[] = {
    {ID_REFRESH, "Refresh\tF2", "eeeeee"},
    {ID_SORT_BY_TIME, "Sort by time", "xxxxex"},
    {ID_SORT_BY_TYPE, "Sort by type", "eeeexe"},
    {ID_RECORDS_ALL, "All", "xxxxex"},
    {ID_RECORDS_FOR_THE_DAY, "For the day", "eeeexe"},
    {ID_CALENDAR, "Calendar", "xxxxex"},
    {ID_PRIVATE_NOTES_MODE, "", "eeeeee"},
    {132, "", "eeeeee"}, {133, "", "eeeeee"}, {134, "", "eeeeee"}, {135, "", "eeeeee"},
    {136, "", "eeeeee"}, {137, "", "eeeeee"}, {138, "", "eeeeee"}, {139, "", "eeeeee"},
    {140, "", "eeeeee"}, {141, "", "eeeeee"},
    {ID_MARK_DELETE, "", "eeeeee"},
    {ID_NOTE_EDIT, "", "eeeeee"},
    {ID_NOTE_DELETE, "", "eeeeee"},
    {ID_RECORDS_LISTING, "", "eeeeee"},
    {ID_COLOR_WITHOUT, "&Without color correction\tCtrl+B", "eeeeex"},
    {ID_COLOR_DAY, "1. &Day\tCtrl+D", "eeeexe"},
    {ID_COLOR_NIGHT, "2. &Night\tCtrl+N", "eeeeee"},
    {ID_COLOR_AUTO, "3. &Automatic\tCtrl+A", "xxxxee"},
    {ID_COLOR_CYCLE, "", "eeeeee"},
    {ID_GAMMA, "&Gamma correction", "eeeexe"},
    {ID_FILTER_NONE, "Without filters", "xxxxee"},
    {ID_FILTER_SHARPEN, "1. Sharpen", "eeeeee"},
    {ID_FILTER_SHARPEN_STRONG, "2. Sharpen strong", "eeeexe"},
    {ID_FILTER_EMBOSS, "3. Emboss", "eeeeex"},
    {ID_BLACK_AND_WHITE, "&Black and Wait", "eeeexe"},
    {ID_ZOOM_FIT, "&Fit to window\tCtrl+W", "eeeexe"},
    {ID_ZOOM_50, "1. 50%", "eeeeee"},
    {ID_ZOOM_75, "2. 75%", "eeeeee"},
    {ID_ZOOM_100, "3. &100%\tCtrl+1", "xxxxee"},
    {ID_ZOOM_150, "4. 150%", "eeeeee"},
    {ID_ZOOM_200, "5. 200%", "eeeeex"},
    {ID_DETAILED_FULL_SCREEN, "&Full screen\tF10", "eeeeex"},
    {ID_GENERAL_FULL_SCREEN, "&Full screen\tF9", "eeeexe"},
    {ID_LEAVE_FULL_SCREEN, "", "eeeeee"},
    {ID_PLAY_RESTART, "&Restart\tF5", "-eeee-"},
    {ID_PLAY_CONTINUE, "Continue\tCtrl+F4", "-ee-e-"},
    {ID_PLAY_PAUSE, "Pause\tShift+F5", "---e--"},
    {ID_PLAY_FIRST, "First frame", "--e-e-"},
    {ID_PLAY_BACKWARD, "Backward", "--e-e-"},
    {ID_PLAY_FORWARD, "Forward", "-e--e-"},
    {ID_PLAY_LAST, "Last frame", "-e--e-"},
    {ID_RECORD_INFORMATION, "&Information....", "-eeee-"},
    {ID_DETAILED_PRINT, "Detailed print...", "-eeeee"},
    {ID_PRINT_GENERAL_VIEW, "&Print general view", "-eeee-"},
    {ID_PRINT_DETAILED_VIEW, "&Print detailed view", "-eeee-"},
    {ID_PRINT_SCREEN, "Print Screen\tCtrl+S", "eeeeee"},
    {ID_PRINT_SUBPOENA, "Print Subpoena\tCtrl+P", "-eeeee"},
    // Without the application shell these have no handler yet.
    {ID_FILE_NEW, "", "------"},
    {ID_FILE_OPEN, "&Open...\tCtrl+O", "------"},
    {ID_FILE_PRINT_SETUP, "Print settup...", "------"},
    {ID_FILE_MRU_FILE1, "Recent File", "------"},
    {57617, "", "------"}, {57618, "", "------"}, {ID_FILE_MRU_FILE4, "", "------"},
    {ID_APP_ABOUT, "&About this programm...", "------"},
    {ID_APP_EXIT, "E&xit", "------"},
    {ID_NEXT_PANE, "", "------"}, {ID_PREV_PANE, "", "------"},
    {ID_EDIT_COPY, "", "------"}, {ID_EDIT_CUT, "", "------"},
    {ID_EDIT_PASTE, "", "------"}, {ID_EDIT_UNDO, "", "------"},
};

CommandState Expected(char state)
{
    return {state != '-', state == 'x'};
}

class CommandTableWalk : public ReviewDocumentFixture {
protected:
    void SetUp() override
    {
        testsupport::ReviewRecord withFrames;
        withFrames.GeneralFrames = 3;
        withFrames.LaneFrames = {1, 0, 0};
        AddRecord(0, withFrames);
        AddRecord(1);
    }

    // A fresh document in the state, the filter commands handled as the
    // records pane will.
    void EnterState(int state)
    {
        doc->RemoveView(&view);
        doc = std::make_unique<CVantrelDoc>(settings, codeNotes, services);
        doc->OnNewDocument();
        for (const int pane : {ID_RECORDS_ALL, ID_RECORDS_FOR_THE_DAY})
            doc->Commands().Attach(pane, [this] { ++paneCommands; });
        doc->Refresh();
        Apply(state);
        doc->AddView(&view);
        view.Clear();
        services.Events.clear();
    }

    void Apply(int state)
    {
        switch (state) {
        case 0:
            doc->SetRecordFilter(RecordDirectory::AllDays | RecordDirectory::ShowConfirmed);
            break;
        case 2:
            doc->SetGeneralFrame(2, false);
            break;
        case 3:
            doc->SetGeneralFrame(1, false);
            doc->Playing = 1;
            break;
        case 4:
            doc->SetGeneralFrame(1, false);
            doc->Zoom = 0;
            doc->FrameImage.Correction = 1;
            doc->FrameImage.Gamma = 2.2;
            doc->Filter = 2;
            doc->BlackAndWhite = 1;
            doc->DisplayMode = CVantrelDoc::DisplayGeneralFullScreen;
            doc->CalendarHidden = 1;
            doc->Records.SortMode = RecordDirectory::SortByType;
            doc->Records.FilterMask = ~RecordDirectory::AllDays;
            break;
        case 5:
            doc->SelectRecord(1);
            doc->DisplayMode = CVantrelDoc::DisplayDetailedFullScreen;
            doc->Zoom = 200;
            doc->FrameImage.Correction = 0;
            doc->FrameImage.Gamma = 0.05;  // below 0.1 counts as off
            doc->Filter = 3;
            break;
        default:
            doc->SetGeneralFrame(0, false);
            break;
        }
    }

    int paneCommands = 0;
};

}  // namespace

TEST_F(CommandTableWalk, TableHoldsExactlyTheKnownCommandsWithTheirTexts)
{
    std::set<int> known;
    for (const CommandRow& row : Rows) {
        known.insert(row.id);
        EXPECT_TRUE(doc->Commands().Contains(row.id)) << row.id;
        EXPECT_EQ(doc->Commands().Text(row.id), row.text) << row.id;
    }
    for (const int id : doc->Commands().Ids())
        EXPECT_TRUE(known.contains(id)) << "untested command " << id;
    EXPECT_EQ(doc->Commands().Ids().size(), known.size());
}

TEST_F(CommandTableWalk, EveryRuleInEveryState)
{
    for (int state = 0; state < StateCount; ++state) {
        EnterState(state);
        for (const CommandRow& row : Rows)
            EXPECT_EQ(doc->QueryCommand(row.id), Expected(row.states[state]))
                << "command " << row.id << " in state " << state;
    }
}

TEST_F(CommandTableWalk, DisabledCommandsNeverRun)
{
    for (int state = 0; state < StateCount; ++state) {
        EnterState(state);
        for (const CommandRow& row : Rows) {
            if (row.states[state] != '-')
                continue;
            const ::PrintRequest before = doc->PrintRequest;
            const int frame = doc->CurrentGeneralFrame;
            EXPECT_FALSE(doc->OnCommand(row.id)) << row.id;
            EXPECT_TRUE(view.Updates.empty()) << row.id;
            EXPECT_TRUE(services.Events.empty()) << row.id;
            EXPECT_EQ(doc->PrintRequest, before) << row.id;
            EXPECT_EQ(doc->CurrentGeneralFrame, frame) << row.id;
        }
    }
}

TEST_F(CommandTableWalk, PaneAndApplicationHandlersAttachToTheirIds)
{
    EnterState(1);
    EXPECT_TRUE(doc->OnCommand(ID_RECORDS_ALL));
    EXPECT_EQ(paneCommands, 1);
    EXPECT_TRUE(doc->QueryCommand(ID_RECORDS_ALL).Checked) << "the document's rule stays";

    int about = 0;
    bool aboutEnabled = false;
    EXPECT_TRUE(doc->Commands().Attach(ID_APP_ABOUT, [&] { ++about; }, [&] { return CommandState{aboutEnabled, false}; }));
    EXPECT_FALSE(doc->OnCommand(ID_APP_ABOUT));
    aboutEnabled = true;
    EXPECT_TRUE(doc->OnCommand(ID_APP_ABOUT));
    EXPECT_EQ(about, 1);

    EXPECT_FALSE(doc->Commands().Attach(12345, [] {}));
    EXPECT_FALSE(doc->OnCommand(12345));
    EXPECT_EQ(doc->QueryCommand(12345), CommandState{});
}
