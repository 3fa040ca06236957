// The whole command table against a few document states: enabled and ticked
// for every id, and that a disabled command does nothing.
#include "ReviewDocumentFixture.h"

#include "document/CommandIds.h"

#include <set>

namespace {

// By state: 'e' enabled, 'x' ticked, '-' disabled; Images: the button icon. 0: empty visible list. 1:
// general frame 1 of 3. 2: the last. 3: playing on frame 2. 4: every view
// setting changed, a day filter, frame 2. 5: no frames, detailed full screen.
const struct { const char* states; std::vector<int> ids; } Rows[] = {
    {"eeeeee", {ID_REFRESH, ID_PRIVATE_NOTES_MODE, 132, 133, 134, 135, 136, 137, 138, 139, 140, 141, ID_MARK_DELETE,
                ID_NOTE_EDIT, ID_NOTE_DELETE, ID_RECORDS_LISTING, ID_COLOR_NIGHT, ID_COLOR_CYCLE, ID_FILTER_SHARPEN,
                ID_ZOOM_50, ID_ZOOM_75, ID_ZOOM_150, ID_LEAVE_FULL_SCREEN, ID_PRINT_SCREEN, ID_RECORD_CONFIRM,
                ID_RECORD_REJECT, ID_RECDIR_FILTER_BUTTON}},
    {"-xxxx-", {ID_LANE_LEFT}},  // the lane shown, with frames
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
    {"------", {ID_LANE_MIDDLE, ID_LANE_RIGHT,  // lanes without frames
                ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_PRINT_SETUP, 57616, 57617, 57618, 57619, ID_APP_ABOUT, ID_APP_EXIT,
                ID_NEXT_PANE, ID_PREV_PANE, ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_UNDO}},
};

// The icons of the buttons whose look follows their command.
const struct { const char* images; int id; } Images[] = {
    {"555532", ID_COLOR_CYCLE},  // automatic, day, without
    {"222212", ID_RECDIR_FILTER_BUTTON},
    {"000001", ID_DETAILED_FULL_SCREEN},
    {"000010", ID_GENERAL_FULL_SCREEN},
};

void Enter(CVantrelDoc& doc, int state)
{
    for (const int pane : {ID_RECORDS_ALL, ID_RECORDS_FOR_THE_DAY, ID_RECDIR_FILTER_BUTTON})
        doc.Commands().Attach(pane, [] {});  // the records pane's
    if (state == 0)
        doc.SetRecordFilter(RecordDirectory::AllDays | RecordDirectory::ShowConfirmed);
    if (state == 5)
        doc.SelectRecord(1);
    doc.SetGeneralFrame(state == 2 ? 2 : state == 3 || state == 4 ? 1 : 0, false);
    if (state == 3) {
        EXPECT_TRUE(doc.OnCommand(ID_PLAY_CONTINUE));
    }
    // The view settings change through their own commands, which the rules must then tick.
    const std::vector<int> state4{ID_ZOOM_FIT,        ID_COLOR_DAY,           ID_GAMMA,    ID_FILTER_SHARPEN_STRONG,
                                  ID_BLACK_AND_WHITE, ID_GENERAL_FULL_SCREEN, ID_CALENDAR, ID_SORT_BY_TYPE};
    const std::vector<int> state5{ID_DETAILED_FULL_SCREEN, ID_ZOOM_200, ID_COLOR_WITHOUT, ID_FILTER_EMBOSS};
    for (const int id : state == 4 ? state4 : state == 5 ? state5 : std::vector<int>{})
        EXPECT_TRUE(doc.OnCommand(id)) << id;
    if (state == 4)  // the day of both records: the list stays
        doc.SetRecordFilter(~RecordDirectory::AllDays, doc.Records().Visible[0].Time);
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
                const CommandState shown = doc->QueryCommand(id);
                EXPECT_EQ(std::pair(shown.Enabled, shown.Checked), std::pair(expected != '-', expected == 'x'))
                    << "command " << id << " in state " << state;
                if (expected != '-')
                    continue;
                const std::pair<::PrintRequest, int> before{doc->PrintRequest(), doc->CurrentGeneralFrame()};
                EXPECT_FALSE(doc->OnCommand(id)) << id;
                EXPECT_TRUE(view.Updates.empty() && services.Events.empty()) << id;
                EXPECT_EQ(std::pair(doc->PrintRequest(), doc->CurrentGeneralFrame()), before) << id;
            }
        }
        for (const auto& row : Images)
            EXPECT_EQ(doc->QueryCommand(row.id).Image, row.images[state] - '0') << row.id << " in state " << state;
    }
}

TEST_F(CommandTableWalk, FullScreenCommandsToggleAndEscapeLeavesOnlyFullScreen)
{
    AddRecord(0, {1, 0, 0});
    Open();
    const std::pair<int, int> steps[] = {{ID_DETAILED_FULL_SCREEN, 1}, {ID_GENERAL_FULL_SCREEN, 2},
                                         {ID_LEAVE_FULL_SCREEN, 0},    {ID_GENERAL_FULL_SCREEN, 2},
                                         {ID_GENERAL_FULL_SCREEN, 0},  {ID_DETAILED_FULL_SCREEN, 1},
                                         {ID_DETAILED_FULL_SCREEN, 0}, {ID_LEAVE_FULL_SCREEN, 0}};
    for (const auto& [id, mode] : steps) {
        EXPECT_TRUE(doc->OnCommand(id));
        EXPECT_EQ(doc->DisplayMode(), mode) << id;
        EXPECT_EQ(services.Events.back(), mode ? "SetFullScreen(1)" : "SetFullScreen(0)") << id;
    }
    EXPECT_EQ(services.Events.size(), 7u) << "Esc in normal mode does nothing";
}
