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
    doc->SetGeneralFrame(1, false);
    doc->Playing = 1;
    std::vector<std::size_t> eventsAtHint;
    view.OnEach = [&] { eventsAtHint.push_back(services.Events.size()); };
    EXPECT_TRUE(doc->OnCommand(ID_PLAY_RESTART));
    EXPECT_EQ(view.Updates, (std::vector<Update>{{HINT_PLAYBACK, ID_PLAY_PAUSE}, {HINT_PLAYBACK, ID_PLAY_RESTART}}));
    EXPECT_EQ(services.Events, std::vector<std::string>{"PumpWaitingMessages"});
    EXPECT_EQ(eventsAtHint, (std::vector<std::size_t>{0, 1})) << "messages run between the two hints";
    EXPECT_EQ(std::pair(doc->CurrentGeneralFrame.load(), doc->Playing.load()), std::pair(0, 1));
    doc->OnCommand(ID_REFRESH);
    EXPECT_EQ(doc->Playing, 0) << "setting up a record stops playback";
}

TEST_F(ReviewCommands, PlaybackCommandsMoveThePosition)
{
    const struct { int start, command, index, playing; } cases[] = {
        {1, ID_PLAY_RESTART, 0, 1}, {2, ID_PLAY_CONTINUE, 0, 1}, {1, ID_PLAY_CONTINUE, 1, 1}, {1, ID_PLAY_PAUSE, 1, 0},
        {2, ID_PLAY_FIRST, 0, 0},   {2, ID_PLAY_BACKWARD, 1, 0}, {0, ID_PLAY_FORWARD, 1, 0}, {0, ID_PLAY_LAST, 2, 0},
    };
    for (const auto& c : cases) {
        doc->Playing = c.command == ID_PLAY_PAUSE;
        doc->SetGeneralFrame(c.start, false);
        Forget();
        EXPECT_TRUE(doc->OnCommand(c.command));
        EXPECT_EQ(std::pair(doc->CurrentGeneralFrame.load(), doc->Playing.load()), std::pair(c.index, c.playing))
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
    const struct { int id, before, after; } colours[] = {
        {ID_COLOR_DAY, 3, 1},   {ID_COLOR_WITHOUT, 1, 0}, {ID_COLOR_NIGHT, 0, 2}, {ID_COLOR_AUTO, 0, 3},
        {ID_COLOR_CYCLE, 0, 1}, {ID_COLOR_CYCLE, 2, 3},   {ID_COLOR_CYCLE, 3, 0}, {ID_COLOR_CYCLE, 7, 0},
        {ID_COLOR_CYCLE, -1, 0},
    };
    for (const auto& c : colours) {
        doc->FrameImage.Correction = c.before;
        run(c.id);
        EXPECT_EQ(doc->FrameImage.Correction, c.after) << c.id << " from " << c.before;
    }
    const std::pair<double, double> gammas[] = {{0.0, 2.2}, {2.2, 0.0}, {0.05, 2.2}, {0.1, 0.0}};
    for (const auto& [before, after] : gammas) {
        doc->FrameImage.Gamma = before;
        run(ID_GAMMA);
        EXPECT_EQ(doc->FrameImage.Gamma, after) << before;
    }
}
