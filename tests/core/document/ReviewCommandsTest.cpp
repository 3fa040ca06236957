// Playback, colour and gamma commands.
#include "ReviewDocumentFixture.h"

#include "document/CommandIds.h"
#include "document/UpdateHints.h"

using Update = testsupport::RecordingView::Update;

class ReviewCommands : public ReviewDocumentFixture {
protected:
    void SetUp() override { AddRecord(0, {1, 0, 0}, 3); Open(); }
};

TEST_F(ReviewCommands, RestartWhilePlayingStopsTheWakeUpsFirst)
{
    Play(1);
    Forget();
    std::vector<std::size_t> eventsAtHint;
    view.OnEach = [&] { eventsAtHint.push_back(services.Events.size()); };
    EXPECT_TRUE(doc->OnCommand(ID_PLAY_RESTART));
    EXPECT_EQ(view.Updates, (std::vector<Update>{{HINT_PLAYBACK, ID_PLAY_PAUSE}, {HINT_PLAYBACK, ID_PLAY_RESTART}}));
    EXPECT_EQ(services.Events, std::vector<std::string>{"PumpWaitingMessages"});
    EXPECT_EQ(eventsAtHint, (std::vector<std::size_t>{0, 1})) << "messages run between the two hints";
    EXPECT_EQ(std::pair(doc->CurrentGeneralFrame(), doc->Playing()), std::pair(0, true));
    doc->OnCommand(ID_REFRESH);
    EXPECT_FALSE(doc->Playing()) << "setting up a record stops playback";
}

TEST_F(ReviewCommands, PlaybackCommandsMoveThePosition)
{
    const struct { int start, command, index; bool playing; } cases[] = {
        {1, ID_PLAY_RESTART, 0, true}, {2, ID_PLAY_CONTINUE, 0, true}, {1, ID_PLAY_CONTINUE, 1, true},
        {1, ID_PLAY_PAUSE, 1, false},  {2, ID_PLAY_FIRST, 0, false},   {2, ID_PLAY_BACKWARD, 1, false},
        {0, ID_PLAY_FORWARD, 1, false}, {0, ID_PLAY_LAST, 2, false},
    };
    for (const auto& c : cases) {
        if (doc->Playing())
            doc->OnCommand(ID_PLAY_PAUSE);
        if (c.command == ID_PLAY_PAUSE)
            Play(c.start);
        doc->SetGeneralFrame(c.start, false);
        Forget();
        EXPECT_TRUE(doc->OnCommand(c.command));
        EXPECT_EQ(std::pair(doc->CurrentGeneralFrame(), doc->Playing()), std::pair(c.index, c.playing))
            << c.command << " from " << c.start;
        EXPECT_EQ(view.Updates, (std::vector<Update>{{HINT_PLAYBACK, c.command}}));
        EXPECT_TRUE(services.Events.empty());
    }
}

TEST_F(ReviewCommands, ColourAndGammaCommandsRenderBetweenTheirHints)
{
    std::vector<int> rendersAtHint;
    view.OnEach = [&] { rendersAtHint.push_back(services.WaitCursors); };
    const auto run = [&](int id) {
        Forget();
        rendersAtHint.clear();
        const int renders = services.WaitCursors;
        EXPECT_TRUE(doc->OnCommand(id));
        EXPECT_EQ(view.Hints(), (std::vector<int>{HINT_COLOR, HINT_IMAGE})) << id;
        EXPECT_EQ(rendersAtHint, (std::vector<int>{renders, renders + 1})) << id;
    };
    // Each row starts from the mode that the one before left.
    const struct { int id, after; } colours[] = {
        {ID_COLOR_DAY, 1},   {ID_COLOR_WITHOUT, 0}, {ID_COLOR_NIGHT, 2}, {ID_COLOR_AUTO, 3}, {ID_COLOR_CYCLE, 0},
        {ID_COLOR_CYCLE, 1}, {ID_COLOR_CYCLE, 2},   {ID_COLOR_CYCLE, 3},
    };
    for (const auto& c : colours) {
        run(c.id);
        EXPECT_EQ(doc->FrameImage().Correction, c.after) << c.id;
    }
    for (const double after : {2.2, 0.0, 2.2}) {
        run(ID_GAMMA);
        EXPECT_EQ(doc->FrameImage().Gamma, after);
    }
}

TEST_F(ReviewCommands, PlaybackTicksStepToTheLastFrameThenStop)
{
    doc->AdvancePlayback();
    EXPECT_TRUE(view.Updates.empty()) << "a tick after a pause does nothing";
    Play(0);
    Forget();
    const struct { int index; bool playing; } ticks[] = {{1, true}, {2, true}, {2, false}};
    for (const auto& t : ticks) {
        doc->AdvancePlayback();
        EXPECT_EQ(std::pair(doc->CurrentGeneralFrame(), doc->Playing()), std::pair(t.index, t.playing));
    }
    EXPECT_EQ(view.Updates, (std::vector<Update>(3, {HINT_PLAYBACK, std::nullopt})));
}
