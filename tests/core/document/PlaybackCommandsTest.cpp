// General-view playback commands: positions, playing flag, and the hints
// that start and stop the playback pane's wake-ups.
#include "ReviewDocumentFixture.h"

#include "document/CommandIds.h"
#include "document/UpdateHints.h"

using Update = testsupport::RecordingView::Update;

namespace {

class PlaybackCommands : public ReviewDocumentFixture {
protected:
    void SetUp() override
    {
        testsupport::ReviewRecord record;
        record.GeneralFrames = 3;
        AddRecord(0, record);
        Open();
    }

    std::vector<Update> Playback(std::initializer_list<int> commands) const
    {
        std::vector<Update> updates;
        for (const int command : commands)
            updates.push_back({HINT_PLAYBACK, command});
        return updates;
    }
};

}  // namespace

TEST_F(PlaybackCommands, RestartWhilePlayingStopsTheWakeUpsFirst)
{
    doc->SetGeneralFrame(1, false);
    doc->Playing = 1;
    std::vector<std::string> eventsAtHint;
    view.OnEach = [&](const Update&) { eventsAtHint.push_back(std::to_string(services.Events.size())); };
    EXPECT_TRUE(doc->OnCommand(ID_PLAY_RESTART));
    EXPECT_EQ(Updates(), Playback({ID_PLAY_PAUSE, ID_PLAY_RESTART}));
    EXPECT_EQ(services.Events, std::vector<std::string>{"PumpWaitingMessages"});
    EXPECT_EQ(eventsAtHint, (std::vector<std::string>{"0", "1"})) << "messages run between the two hints";
    EXPECT_EQ(doc->CurrentGeneralFrame, 0);
    EXPECT_EQ(doc->Playing, 1);
}

TEST_F(PlaybackCommands, RestartWhileStoppedStartsAtTheFirstFrame)
{
    EXPECT_TRUE(doc->OnCommand(ID_PLAY_RESTART));
    EXPECT_EQ(Updates(), Playback({ID_PLAY_RESTART}));
    EXPECT_TRUE(services.Events.empty());
    EXPECT_EQ(doc->CurrentGeneralFrame, 0);
    EXPECT_EQ(doc->Playing, 1);
}

TEST_F(PlaybackCommands, ContinueOnTheLastFrameStartsFromTheFirst)
{
    const struct {
        int start;
        int index;
    } cases[] = {{2, 0}, {1, 1}, {0, 0}};
    for (const auto& c : cases) {
        doc->Playing = 0;
        doc->SetGeneralFrame(c.start, false);
        view.Clear();
        EXPECT_TRUE(doc->OnCommand(ID_PLAY_CONTINUE));
        EXPECT_EQ(Updates(), Playback({ID_PLAY_CONTINUE}));
        EXPECT_EQ(doc->CurrentGeneralFrame, c.index) << "from " << c.start;
        EXPECT_EQ(doc->Playing, 1);
    }
}

TEST_F(PlaybackCommands, PauseStopsPlaybackAndTheWakeUps)
{
    doc->Playing = 1;
    EXPECT_TRUE(doc->OnCommand(ID_PLAY_PAUSE));
    EXPECT_EQ(doc->Playing, 0);
    EXPECT_EQ(Updates(), Playback({ID_PLAY_PAUSE}));
    EXPECT_FALSE(doc->OnCommand(ID_PLAY_PAUSE)) << "nothing to pause";
}

TEST_F(PlaybackCommands, StepCommandsMoveThePosition)
{
    const struct {
        int start;
        int command;
        int index;
    } cases[] = {
        {2, ID_PLAY_FIRST, 0}, {1, ID_PLAY_FIRST, 0}, {2, ID_PLAY_BACKWARD, 1}, {1, ID_PLAY_BACKWARD, 0},
        {0, ID_PLAY_FORWARD, 1}, {1, ID_PLAY_FORWARD, 2}, {0, ID_PLAY_LAST, 2}, {1, ID_PLAY_LAST, 2},
    };
    for (const auto& c : cases) {
        doc->SetGeneralFrame(c.start, false);
        view.Clear();
        EXPECT_TRUE(doc->OnCommand(c.command));
        EXPECT_EQ(doc->CurrentGeneralFrame, c.index) << c.command << " from " << c.start;
        EXPECT_EQ(Updates(), Playback({c.command}));
    }
}

TEST_F(PlaybackCommands, StepsStopAtTheEnds)
{
    const struct {
        int start;
        int command;
    } cases[] = {{0, ID_PLAY_FIRST}, {0, ID_PLAY_BACKWARD}, {2, ID_PLAY_FORWARD}, {2, ID_PLAY_LAST}};
    for (const auto& c : cases) {
        doc->SetGeneralFrame(c.start, false);
        view.Clear();
        EXPECT_FALSE(doc->OnCommand(c.command));
        EXPECT_EQ(doc->CurrentGeneralFrame, c.start);
        EXPECT_TRUE(Updates().empty());
    }
}

TEST_F(PlaybackCommands, SettingUpARecordStopsPlayback)
{
    doc->OnCommand(ID_PLAY_RESTART);
    doc->OnCommand(ID_REFRESH);
    EXPECT_EQ(doc->Playing, 0);
    EXPECT_EQ(doc->CurrentGeneralFrame, 2);
}
