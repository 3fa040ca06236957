// The thumbnails of a lane of five 1144 x 790 frames loaded in the
// background, from the hand-over of hint 0 until the last one is ready, set
// against rendering the same five frames one after the other on one thread:
// the loader's hand-over, announcements and repaints should cost little
// beside the renders themselves.

#include "BenchMain.h"

#include "ReviewBenchFixture.h"

#include "CfaFileWriter.h"
#include "RecordTreeWriter.h"

#include "document/RenderLaneFrame.h"
#include "document/UpdateHints.h"
#include "imaging/CCfaImage.h"
#include "imaging/CDibImage.h"
#include "views/CThumbPane.h"
#include "views/CThumbView.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int FrameCount = 5;
constexpr QSize PaneSize(830, 170);  // beside the records list on a screen of 1280 x 1024

struct Fixture : bench::ReviewBenchFixture {
    explicit Fixture(QSize frame);

    std::vector<std::string> paths;
    std::unique_ptr<CThumbPane> pane;
};

Fixture::Fixture(QSize frame)
{
    const std::string directory =
        testsupport::MakeRecordDirectory(root.Path(), testsupport::RecordName(2006, 3, 1, 12, 0, 0));
    for (int number = 1; number <= FrameCount; ++number) {
        paths.push_back(directory + "L1F" + std::to_string(number) + ".CFA");
        const auto width = static_cast<std::uint16_t>(frame.width());
        const auto height = static_cast<std::uint16_t>(frame.height());
        testsupport::WriteCfaFile(paths.back(), testsupport::TexturedLaneFrame(width, height, number));
    }
    document.Refresh();
    pane = std::make_unique<CThumbPane>(document, binder, nullptr);
    document.AddView(pane.get());
    pane->resize(PaneSize);
    bench::ShowExposed(*pane);
}

std::unique_ptr<Fixture> fixture;

bool LaneLoaded()
{
    const ThumbnailLoader::LaneSnapshot thumbs = fixture->pane->View().Loader().Lane(1);
    return thumbs.Count == FrameCount &&
           std::all_of(thumbs.Pictures.begin(), thumbs.Pictures.end(), [](const auto& picture) { return picture; });
}

// Sleeps between the announcements: a spinning wait would take the core the
// loader and its band helper render on.
void WaitUntilLaneLoaded()
{
    while (!LaneLoaded())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Hint 0 reloads every slot; the announcements repaint the cells as they come.
void BenchLoadLane(benchmark::State& state)
{
    for (auto _ : state) {
        fixture->pane->OnUpdate(HINT_ALL, nullptr);
        WaitUntilLaneLoaded();
    }
}

// What every hint costs the user interface once the lane is loaded.
void BenchRepaintLoadedStrip(benchmark::State& state)
{
    fixture->pane->OnUpdate(HINT_ALL, nullptr);
    WaitUntilLaneLoaded();
    for (auto _ : state)
        fixture->pane->View().viewport()->repaint();
}

// The peer: the same five frames rendered as the loader renders them, one
// frame object and one picture reused.
void BenchRenderFive(benchmark::State& state)
{
    CCfaImage frame;
    CDibImage picture;
    for (auto _ : state) {
        for (const std::string& path : fixture->paths) {
            frame.LowCut = CVantrelSettings::ClipDark;
            frame.HighCut = CVantrelSettings::ClipBright;
            frame.Correction = fixture->document.FrameImage().Correction;
            frame.Gamma = 0.0;
            RenderLaneFrame(frame, path, {true, 0, false}, picture);
            benchmark::DoNotOptimize(picture.Bits());
        }
    }
}

}  // namespace

void bench::RegisterBenchmarks(bool smoke)
{
    fixture = std::make_unique<Fixture>(smoke ? QSize(1144, 20) : QSize(1144, 790));
    // Registered after Qt made its own statics, so it runs before they go.
    std::atexit([] { fixture.reset(); });
    bench::AddTimed("LoadLane", BenchLoadLane, smoke);
    bench::AddTimed("RenderFive", BenchRenderFive, smoke);
    bench::AddTimed("RepaintLoadedStrip", BenchRepaintLoadedStrip, smoke);
}

void bench::ReportRatios(const bench::Times& times)
{
    bench::PrintRatio(times, "a lane of five thumbnails loaded against five renders of its frames", "LoadLane",
                      "RenderFive");
    bench::PrintRatio(times, "a repaint of the loaded strip against five renders of its frames", "RepaintLoadedStrip",
                      "RenderFive");
}
