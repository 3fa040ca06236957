// Confirm and Reject as the records pane's buttons send them: the directory
// moves under the thumbnail loader lock, and a failed move is reported and
// answered by a refresh from disk.
#include "ReviewDocumentFixture.h"

#include "document/UpdateHints.h"

#include <filesystem>

namespace {

using Events = std::vector<std::string>;

class DecisionCommands : public ReviewDocumentFixture {
protected:
    void SetUp() override
    {
        name = testsupport::RecordName(2006, 3, 1, 12, 0, 0);
        AddRecord(0, {1, 0, 0});
        Open();
    }
    // Where the record's directory lies now: "", "!CONFIRMED/" or "!REJECTED/".
    std::string Place() const
    {
        for (const char* place : {"", "!CONFIRMED/", "!REJECTED/"})
            if (std::filesystem::is_directory(dir.Path() + place + name))
                return place;
        return "gone";
    }
    std::string name;
};

// With nothing selected neither button moves anything or says anything.
TEST_F(DecisionCommands, EachButtonTogglesItsDecisionUnderTheLoaderLock)
{
    const struct { int id; const char* place; bool confirmTicked, rejectTicked; } steps[] = {
        {ID_RECORD_CONFIRM, "!CONFIRMED/", true, false},
        {ID_RECORD_CONFIRM, "", false, false},  // pressing the ticked button takes the decision back
        {ID_RECORD_CONFIRM, "!CONFIRMED/", true, false},
        {ID_RECORD_REJECT, "!REJECTED/", false, true},  // straight from confirmed to rejected
        {ID_RECORD_REJECT, "", false, false},
    };
    for (const auto& s : steps) {
        Forget();
        EXPECT_TRUE(doc->OnCommand(s.id));
        EXPECT_EQ(Place(), s.place) << s.id;
        EXPECT_EQ(services.Events, (Events{"Lock", "Unlock"}));
        EXPECT_EQ(view.Hints(), std::vector<int>{HINT_LIST});
        EXPECT_EQ(doc->Records().SelectedIndex, 0) << "the row keeps its place";
        EXPECT_EQ(doc->Records().Content.Path, dir.Path() + s.place + name + "/") << "reloaded from its new place";
        EXPECT_EQ(doc->QueryCommand(ID_RECORD_CONFIRM).Checked, s.confirmTicked);
        EXPECT_EQ(doc->QueryCommand(ID_RECORD_REJECT).Checked, s.rejectTicked);
    }
    doc->SelectRecord(-1);
    for (const int id : {ID_RECORD_CONFIRM, ID_RECORD_REJECT}) {
        Forget();
        EXPECT_TRUE(doc->OnCommand(id));
        EXPECT_EQ(Place(), "") << "nothing selected, nothing moves";
        EXPECT_EQ(services.Events, (Events{"Lock", "Unlock"})) << "and nothing is said";
    }
}

TEST_F(DecisionCommands, AFailedMoveIsReportedThenTheDiskIsReadAgain)
{
    for (const auto& [id, word] : {std::pair{ID_RECORD_CONFIRM, "confirmed"}, {ID_RECORD_REJECT, "rejected"}}) {
        // A directory of the same name at the target makes the move fail.
        const std::string target = dir.Path() + (id == ID_RECORD_CONFIRM ? "!CONFIRMED/" : "!REJECTED/") + name;
        std::filesystem::create_directories(target);
        Open();
        EXPECT_TRUE(doc->OnCommand(id));
        EXPECT_EQ(Place(), "") << "nothing moved";
        EXPECT_EQ(services.Events, (Events{"Lock", "Unlock", std::string("ShowMessage File I/O error.\nThe record may not be ") + word + ".",
                                          "SetPathName " + dir.Path()}));
        EXPECT_EQ(view.Hints(), std::vector<int>{HINT_ALL}) << "the refresh";
        std::filesystem::remove_all(target);
    }
}

TEST_F(DecisionCommands, LaneButtonsChooseOnlyLanesWithFrames)
{
    AddRecord(1, {2, 3, 0});
    Open();
    doc->SelectRecord(1);
    const struct { int id; bool runs; int lane; } steps[] = {
        {ID_LANE_MIDDLE, true, 2}, {ID_LANE_RIGHT, false, 2}, {ID_LANE_LEFT, true, 1}};
    for (const auto& s : steps) {
        EXPECT_EQ(doc->OnCommand(s.id), s.runs) << s.id;
        EXPECT_EQ(doc->CurrentLane(), s.lane) << s.id;
        for (const int lane : {ID_LANE_LEFT, ID_LANE_MIDDLE})
            EXPECT_EQ(doc->QueryCommand(lane).Checked, lane - ID_LANE_LEFT + 1 == s.lane) << s.id;
    }
}

}  // namespace
