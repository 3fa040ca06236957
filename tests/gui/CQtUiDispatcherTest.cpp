// Work handed over by a worker thread runs in the user-interface thread's
// event loop, and is dropped with the dispatcher.

#include "platform/CQtUiDispatcher.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace {

TEST(CQtUiDispatcher, WorkerHandsOverToTheEventLoopWhichAloneRunsIt)
{
    for (const bool dispatcherStays : {true, false}) {
        auto dispatcher = std::make_unique<CQtUiDispatcher>();
        std::thread::id ranOn;
        std::thread worker([&] { dispatcher->Post([&] { ranOn = std::this_thread::get_id(); }); });
        worker.join();
        EXPECT_EQ(ranOn, std::thread::id()) << "nothing runs before the loop does";
        if (!dispatcherStays)
            dispatcher.reset();
        QCoreApplication::processEvents();
        EXPECT_EQ(ranOn, dispatcherStays ? std::this_thread::get_id() : std::thread::id()) << dispatcherStays;
    }
}

}  // namespace
