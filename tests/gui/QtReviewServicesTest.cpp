// The desktop services on real windows: the title and recent files, and the
// event pump.

#include "ReviewWindow.h"


#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using shelltest::ReviewWindow;

TEST(QtReviewServicesTest, RecentFilesKeepFourNewestFirstAcrossRuns)
{
    ReviewWindow window;
    std::vector<std::string> paths;
    for (const char* name : {"a", "b", "c", "d", "e"})
        paths.push_back(window.Root.MakeDir(name));
    for (const std::string& path : paths)
        window.Services.SetPathName(path);
    window.Services.SetPathName(paths[2]);  // again: it moves to the top
    const QStringList expected = {QString::fromStdString(paths[2]), QString::fromStdString(paths[4]),
                                  QString::fromStdString(paths[3]), QString::fromStdString(paths[1])};
    EXPECT_EQ(window.RecentFiles.Entries(), expected);
    EXPECT_EQ(CRecentFileList().Entries(), expected);
    EXPECT_EQ(window.Frame->windowTitle(), QString::fromStdString(paths[2]) + " - Orvane Vantrel Light Control");
}

TEST(QtReviewServicesTest, PumpRunsWaitingEventsUntilTheApplicationQuits)
{
    ReviewWindow window;
    bool ran = false;
    QMetaObject::invokeMethod(window.Frame.get(), [&] { ran = true; }, Qt::QueuedConnection);
    EXPECT_TRUE(window.Services.PumpWaitingMessages());
    EXPECT_TRUE(ran);

    bool pumpedAfterQuit = true;
    QTimer::singleShot(0, [&] {
        QCoreApplication::quit();
        pumpedAfterQuit = window.Services.PumpWaitingMessages();
    });
    QCoreApplication::exec();
    EXPECT_FALSE(pumpedAfterQuit);
    EXPECT_FALSE(window.Services.PumpWaitingMessages());
}

}  // namespace
