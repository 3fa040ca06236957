// The playback clock's thread protocol: ticks are handed over to the thread
// that runs the dispatcher's queue, and a pause, a stop or the timer's end
// withdraws every tick not yet run, whichever thread happens to run first.
#include "document/PlaybackTimer.h"
#include "QueueDispatcher.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;

using testsupport::QueueDispatcher;

// Steps: P play, p pause, W wait for a tick to be handed over, R run what was
// handed over, S stop, D destroy the timer. What is handed over runs at the end.
TEST(PlaybackTimer, TicksRunOnTheQueueThreadUnlessWithdrawn)
{
    const struct { const char* steps; bool ticks; } cases[] = {
        {"PW", true},       // played: ticks arrive
        {"PWp", false},     // a pause drops the tick already handed over
        {"PWS", false},     // so does a stop
        {"PWD", false},     // and the end of the timer; the late tick touches nothing freed
        {"PWpRPW", true},   // played again after a pause
        {"pS", false},      // never played: nothing handed over at all
    };
    for (const auto& c : cases) {
        QueueDispatcher ui;
        int ticks = 0;
        const std::thread::id queueThread = std::this_thread::get_id();
        bool onQueueThread = true;
        auto timer = std::make_unique<PlaybackTimer>(ui, [&] {
            ++ticks;
            onQueueThread = onQueueThread && std::this_thread::get_id() == queueThread;
        }, 1ms);
        timer->Start();
        for (const char* step = c.steps; *step; ++step) {
            switch (*step) {
            case 'P': timer->Play(); break;
            case 'p': timer->Pause(); break;
            case 'W': ASSERT_TRUE(ui.WaitForTask()) << c.steps; break;
            case 'R': ui.RunPending(); break;
            case 'S': timer->Stop(); break;
            case 'D': timer.reset(); break;
            }
        }
        if (std::string(c.steps) == "pS") {
            EXPECT_TRUE(ui.Empty());
        }
        ui.RunPending();
        EXPECT_EQ(ticks > 0, c.ticks) << c.steps;
        EXPECT_TRUE(onQueueThread) << c.steps;
    }
}

}  // namespace
