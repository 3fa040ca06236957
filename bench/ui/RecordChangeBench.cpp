// The officer picks the next record in the main view: the document sets it up
// (its lane frame of 1144 x 790 loaded and rendered), the thumbnail strip
// hands the new lane over to its loader, and the window repaints. All
// of it on the user-interface thread, set against loading and rendering that
// lane frame alone: the hand-over must not wait for the loader, whatever it
// is rendering at the time, and the rest must add little to the rendering.
// The peer runs once more after a spell of other work, to tell what the
// change adds from what a frame costs when the caches no longer hold it.

#include "BenchMain.h"

#include "ReviewBenchFixture.h"

#include "CfaFileWriter.h"
#include "RecordTreeWriter.h"

#include "document/RenderLaneFrame.h"
#include "imaging/CCfaImage.h"
#include "imaging/CDibImage.h"
#include "ui/CVantrelView.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int RecordCount = 6;
constexpr int LaneFrames = 5;
// The main view on a screen of 1280 x 1024, under its menu bar.
constexpr QSize ViewSize(1280, 1000);

struct Fixture : bench::ReviewBenchFixture {
    Fixture(std::uint16_t width, std::uint16_t height);

    // The first frame of the left lane of each record, in the list's order.
    std::vector<std::string> shownFrames;
    std::unique_ptr<CVantrelView> view;
};

Fixture::Fixture(std::uint16_t width, std::uint16_t height)
{
    for (int record = 0; record < RecordCount; ++record) {
        const std::string directory = testsupport::MakeRecordDirectory(
            root.Path(), testsupport::RecordName(2006, 3, 1, 12, record, 0));
        for (int number = 1; number <= LaneFrames; ++number)
            testsupport::WriteCfaFile(directory + "L1F" + std::to_string(number) + ".CFA",
                                      testsupport::TexturedLaneFrame(width, height, number + record));
        shownFrames.push_back(directory + "L1F1.CFA");
    }
    view = std::make_unique<CVantrelView>(document, binder, nullptr);
    document.Refresh();
    view->resize(ViewSize);
    bench::ShowExposed(*view);
}

std::unique_ptr<Fixture> fixture;

int NextRecord()
{
    return (fixture->document.Records().SelectedIndex + 1) % RecordCount;
}

// The window paints what the change made out of date, as it does before the
// next input: the detailed pane, the list, the calendar and the thumbnail
// strip. The loader renders the previous record's thumbnails meanwhile; what
// it announced is taken care of outside the timing.
void BenchSelectNextRecord(benchmark::State& state)
{
    for (auto _ : state) {
        fixture->document.SelectRecord(NextRecord());
        QCoreApplication::sendPostedEvents(fixture->view.get(), QEvent::UpdateRequest);
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (!fixture->document.DetailedImageReady())
        state.SkipWithError("the record's frame was not rendered");
}

// The same without the painting: the document and the panes' hints alone.
void BenchSetUpRecord(benchmark::State& state)
{
    for (auto _ : state) {
        fixture->document.SelectRecord(NextRecord());
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// Between two record changes the loader renders thumbnails from other files
// and the officer looks at the picture: the next frame's file and the buffers
// it goes through have left the caches, and the band helper sleeps. The
// record change meets its frame so; the peer alone, in a tight loop, does not.
void SpendASpellBetween(benchmark::State& state)
{
    static std::vector<char> otherWork(64u << 20);
    state.PauseTiming();
    std::memset(otherWork.data(), state.iterations() & 0xFF, otherWork.size());
    benchmark::DoNotOptimize(otherWork.data());
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    state.ResumeTiming();
}

// The peer: the same frame loaded and rendered as the document does it for a
// new record, its display range taken from the frame; once back to back, and
// once after a spell of other work as between record changes.
void LoadAndRender(benchmark::State& state, bool afterASpell)
{
    const CCfaImage& shown = fixture->document.FrameImage();
    CCfaImage frame;
    frame.LowCut = shown.LowCut;
    frame.HighCut = shown.HighCut;
    frame.Correction = shown.Correction;
    CDibImage picture;
    int record = 0;
    for (auto _ : state) {
        if (afterASpell)
            SpendASpellBetween(state);
        record = (record + 1) % RecordCount;
        RenderLaneFrame(frame, fixture->shownFrames[static_cast<std::size_t>(record)], {true, 0, false}, picture);
        benchmark::DoNotOptimize(picture.Bits());
    }
}

}  // namespace

void bench::RegisterBenchmarks(bool smoke)
{
    fixture = smoke ? std::make_unique<Fixture>(1144, 20) : std::make_unique<Fixture>(1144, 790);
    // Registered after Qt made its own statics, so it runs before they go.
    std::atexit([] { fixture.reset(); });
    bench::AddTimed("SelectNextRecord", BenchSelectNextRecord, smoke);
    bench::AddTimed("SetUpRecord", BenchSetUpRecord, smoke);
    bench::AddTimed("LoadAndRender", [](benchmark::State& state) { LoadAndRender(state, false); }, smoke);
    bench::AddTimed("LoadAndRenderAfterASpell", [](benchmark::State& state) { LoadAndRender(state, true); }, smoke);
}

void bench::ReportRatios(const bench::Times& times)
{
    bench::PrintRatio(times, "a record change against loading and rendering its lane frame", "SelectNextRecord",
                      "LoadAndRender");
    bench::PrintRatio(times, "a record change before painting against loading and rendering its lane frame",
                      "SetUpRecord", "LoadAndRender");
    bench::PrintRatio(times, "a record change against loading and rendering its lane frame after a spell of other work",
                      "SelectNextRecord", "LoadAndRenderAfterASpell");
}
