// The whole command table against a few document states: enabled and ticked
// for every id, and that a disabled command does nothing.
#include "ReviewDocumentFixture.h"

#include "document/CommandIds.h"

#include <set>

namespace {

// By state: 'e' enabled, 'x' ticked, '-' disabled. 0: empty visible list. 1:
// general frame 1 of 3. 2: the last. 3: playing on frame 2. 4: every view
// setting changed, a day filter, frame 2. 5: no frames, detailed full screen.
const struct {
    const char* states;
    std::vector<int> ids;
} Rows[] = {
    {"eeeeee", {ID_REFRESH, ID_PRIVATE_NOTES_MODE, 132, 133, 134, 135, 136, 137, 138, 139, 140, 141, ID_MARK_DELETE,
                ID_NOTE_EDIT, ID_NOTE_DELETE, ID_RECORDS_LISTING, ID_COLOR_NIGHT, ID_COLOR_CYCLE, ID_FILTER_SHARPEN,
                ID_ZOOM_50, ID_ZOOM_75, ID_ZOOM_150, ID_LEAVE_FULL_SCREEN, ID_PRINT_SCREEN}},
    {"xxxxex", {ID_SORT_BY_TIME, ID_RECORDS_ALL, ID_CALENDAR}},
    {"eeeexe", {ID_SORT_BY_TYPE, ID_RECORDS_FOR_THE_DAY, ID_COLOR_DAY, ID_GAMMA, ID_FILTER_SHARPEN_STRONG,
                ID_BLACK_AND_WHITE, ID_ZOOM_FIT, ID_GENERAL_FULL_SCREEN}},
    {"eeeeex", {ID_COLOR_WITHOUT, ID_FILTER_EMBOSS, ID_ZOOM_200, ID_DETAILED_FULL_SCREEN}},
    {"xxxxee", {ID_COLOR_AUTO, ID_FILTER_NONE, ID_ZOOM_100}},
    {"-eeee-", {ID_PLAY_RESTART, ID_RECORD_INFORMATION, ID_PRINT_GENERAL_VIEW, ID_PRINT_DETAILED_VIEW}},
    {"-ee-e-", {ID_PLAY_CONTINUE}},
    {"---e--", {ID_PLAY_PAUSE}},
    {"--e-e-", {ID_PLAY_FIRST, ID_PLAY_BACKWARD}},
    {"-e--e-", {ID_PLAY_FORWARD, ID_PLAY_LAST}},
    {"-eeeee", {ID_DETAILED_PRINT, ID_PRINT_SUBPOENA}},
    // Their handlers come with the application shell.
    {"------", {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_PRINT_SETUP, 57616, 57617, 57618, 57619, ID_APP_ABOUT, ID_APP_EXIT,
                ID_NEXT_PANE, ID_PREV_PANE, ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_UNDO}},
};

void Enter(CVantrelDoc& doc, int state)
{
    // The records pane handles these two.
    for (const int pane : {ID_RECORDS_ALL, ID_RECORDS_FOR_THE_DAY})
        doc.Commands().Attach(pane, [] {});
    doc.SetGeneralFrame(state == 2 ? 2 : state == 3 || state == 4 ? 1 : 0, false);
    if (state == 0)
        doc.SetRecordFilter(RecordDirectory::AllDays | RecordDirectory::ShowConfirmed);
    doc.Playing = state == 3;
    if (state == 4) {
        doc.Zoom = 0;
        doc.FrameImage.Correction = 1;
        doc.FrameImage.Gamma = 2.2;
        doc.Filter = 2;
        doc.BlackAndWhite = 1;
        doc.DisplayMode = CVantrelDoc::DisplayGeneralFullScreen;
        doc.CalendarHidden = 1;
        doc.Records.SortMode = RecordDirectory::SortByType;
        doc.Records.FilterMask = ~RecordDirectory::AllDays;
    }
    if (state == 5) {
        doc.SelectRecord(1);
        doc.DisplayMode = CVantrelDoc::DisplayDetailedFullScreen;
        doc.Zoom = 200;
        doc.FrameImage.Correction = 0;
        doc.FrameImage.Gamma = 0.05;  // below 0.1 counts as off
        doc.Filter = 3;
    }
}

}  // namespace

using CommandTableWalk = ReviewDocumentFixture;

TEST_F(CommandTableWalk, EveryCommandInEveryState)
{
    AddRecord(0, {1, 0, 0}, 3);
    AddRecord(1);
    Open();
    std::multiset<int> walked;
    for (const auto& row : Rows)
        walked.insert(row.ids.begin(), row.ids.end());
    EXPECT_EQ(walked, std::multiset<int>(doc->Commands().Ids().begin(), doc->Commands().Ids().end()));

    for (int state = 0; state < 6; ++state) {
        Open();
        Enter(*doc, state);
        Forget();
        for (const auto& row : Rows) {
            const char expected = row.states[state];
            for (const int id : row.ids) {
                EXPECT_EQ(doc->QueryCommand(id), (CommandState{expected != '-', expected == 'x'}))
                    << "command " << id << " in state " << state;
                if (expected != '-')
                    continue;
                const std::pair<::PrintRequest, int> before{doc->PrintRequest, doc->CurrentGeneralFrame};
                EXPECT_FALSE(doc->OnCommand(id)) << id;
                EXPECT_TRUE(view.Updates.empty() && services.Events.empty()) << id;
                EXPECT_EQ(std::pair(doc->PrintRequest, doc->CurrentGeneralFrame.load()), before) << id;
            }
        }
    }
}

TEST_F(CommandTableWalk, RunningAChoiceTicksItAndRunningAToggleAgainUnticksIt)
{
    AddRecord(0, {1, 0, 0});
    Open();
    for (const int id : {ID_SORT_BY_TYPE, ID_SORT_BY_TIME, ID_COLOR_DAY, ID_COLOR_NIGHT, ID_COLOR_WITHOUT, ID_COLOR_AUTO,
                         ID_FILTER_SHARPEN, ID_FILTER_SHARPEN_STRONG, ID_FILTER_EMBOSS, ID_FILTER_NONE, ID_ZOOM_FIT,
                         ID_ZOOM_50, ID_ZOOM_75, ID_ZOOM_150, ID_ZOOM_200, ID_ZOOM_100, ID_GENERAL_FULL_SCREEN}) {
        EXPECT_TRUE(doc->OnCommand(id));
        EXPECT_TRUE(doc->QueryCommand(id).Checked) << id;
    }
    for (const int id : {ID_DETAILED_FULL_SCREEN, ID_GAMMA, ID_BLACK_AND_WHITE, ID_CALENDAR}) {
        const bool ticked = doc->QueryCommand(id).Checked;
        EXPECT_TRUE(doc->OnCommand(id) && doc->QueryCommand(id).Checked != ticked) << id;
        EXPECT_TRUE(doc->OnCommand(id) && doc->QueryCommand(id).Checked == ticked) << id;
    }
    EXPECT_EQ(services.Events, (std::vector<std::string>{"SetFullScreen(1)", "SetFullScreen(1)", "SetFullScreen(0)"}));
    EXPECT_TRUE(doc->OnCommand(ID_LEAVE_FULL_SCREEN));
    EXPECT_EQ(services.Events.size(), 3u) << "Esc in normal mode does nothing";
}
