// The playback pane stepping through a general view of 1600 x 1200 frames:
// each step loads, scales and paints a new frame, so it is set against
// decoding that bitmap alone; a repaint of the same frame decodes nothing.

#include "BenchMain.h"

#include "ReviewBenchFixture.h"

#include "BmpFileWriter.h"
#include "RecordTreeWriter.h"

#include "document/CommandIds.h"
#include "platform/CopyFromBitmap.h"
#include "ui/CSlidePane.h"

#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int FrameCount = 8;
// The pane beside the records list, and alone on a screen of 1280 x 1024.
constexpr QSize NormalPane(450, 365);
constexpr QSize FullScreenPane(1280, 1024);

struct Fixture : bench::ReviewBenchFixture {
    explicit Fixture(QSize frame, QSize pane);

    std::vector<std::string> paths;
    std::unique_ptr<CSlidePane> pane;
};

// Frames with a gradient, so that scaling has real work to smooth.
testsupport::BmpFile GeneralFrame(QSize size, int index)
{
    testsupport::BmpFile file{size.width(), size.height(), {}, {}};
    file.pixels.reserve(std::size_t(size.width()) * size.height() * 3);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            file.pixels.insert(file.pixels.end(), {std::uint8_t(x + index), std::uint8_t(y), std::uint8_t(x ^ y)});
    char time[48];
    std::snprintf(time, sizeof time, "imagetime=2006-03-01 12:00:%02d.000", index);
    file.infoText = time;
    return file;
}

Fixture::Fixture(QSize frame, QSize paneSize)
{
    const std::string directory =
        testsupport::MakeRecordDirectory(root.Path(), testsupport::RecordName(2006, 3, 1, 12, 0, 0));
    for (int index = 0; index < FrameCount; ++index) {
        char file[16];
        std::snprintf(file, sizeof file, "G%02d.BMP", index + 1);
        paths.push_back(directory + file);
        testsupport::WriteBmpFile(paths.back(), GeneralFrame(frame, index));
    }
    document.Refresh();
    pane = std::make_unique<CSlidePane>(document, binder, nullptr);
    document.AddView(pane.get());
    pane->resize(paneSize);
    bench::ShowExposed(*pane);
    pane->repaint();
}

std::unique_ptr<Fixture> fixture;

// One tick of playback, then the repaint of a pane of that size; the rewind
// after the last frame is not timed.
void BenchAdvanceAndRepaint(benchmark::State& state, QSize pane)
{
    CVantrelDoc& document = fixture->document;
    fixture->pane->resize(pane);
    document.OnCommand(ID_PLAY_RESTART);
    fixture->pane->repaint();
    const int decodes = fixture->pane->ShownFrame().Decodes();
    for (auto _ : state) {
        if (document.CurrentGeneralFrame() + 1 == FrameCount) {
            state.PauseTiming();
            document.SetGeneralFrame(0, false);
            state.ResumeTiming();
        }
        document.AdvancePlayback();
        fixture->pane->repaint();
    }
    if (fixture->pane->ShownFrame().Decodes() - decodes != state.iterations())
        state.SkipWithError("a step did not paint a new frame");
}

// The pane's own decoding: the checked read and Qt's reader.
void BenchDecode(benchmark::State& state)
{
    QImage picture;
    std::size_t next = 0;
    for (auto _ : state) {
        LoadImageFromFile(QString::fromStdString(fixture->paths[next]), picture);
        next = (next + 1) % fixture->paths.size();
        benchmark::DoNotOptimize(picture.constBits());
    }
}

// The decoding into the bottom-up picture that printing uses.
void BenchDecodeDib(benchmark::State& state)
{
    CDibImage picture;
    std::size_t next = 0;
    for (auto _ : state) {
        LoadDibFromFile(QString::fromStdString(fixture->paths[next]), picture);
        next = (next + 1) % fixture->paths.size();
        benchmark::DoNotOptimize(picture.Bits());
    }
}

void BenchRepaintSameFrame(benchmark::State& state)
{
    fixture->pane->resize(NormalPane);
    fixture->pane->repaint();
    const int decodes = fixture->pane->ShownFrame().Decodes();
    for (auto _ : state)
        fixture->pane->repaint();
    if (fixture->pane->ShownFrame().Decodes() != decodes)
        state.SkipWithError("a repaint without a change of frame decoded the file again");
}

}  // namespace

void bench::RegisterBenchmarks(bool smoke)
{
    fixture = std::make_unique<Fixture>(smoke ? QSize(160, 120) : QSize(1600, 1200), NormalPane);
    // Registered after Qt made its own statics, so it runs before they go.
    std::atexit([] { fixture.reset(); });
    bench::AddTimed(
        "AdvanceAndRepaint", [](benchmark::State& s) { BenchAdvanceAndRepaint(s, NormalPane); }, smoke);
    bench::AddTimed(
        "AdvanceAndRepaintFullScreen", [](benchmark::State& s) { BenchAdvanceAndRepaint(s, FullScreenPane); }, smoke);
    bench::AddTimed("Decode", BenchDecode, smoke);
    bench::AddTimed("DecodeDib", BenchDecodeDib, smoke);
    bench::AddTimed("RepaintSameFrame", BenchRepaintSameFrame, smoke);
}

void bench::ReportRatios(const bench::Times& times)
{
    bench::PrintRatio(times, "advance and repaint against decoding the bitmap", "AdvanceAndRepaint", "Decode");
    bench::PrintRatio(times, "advance and repaint in full screen against decoding the bitmap",
                      "AdvanceAndRepaintFullScreen", "Decode");
    bench::PrintRatio(times, "advance and repaint against decoding into a bottom-up picture", "AdvanceAndRepaint",
                      "DecodeDib");
    bench::PrintRatio(times, "repaint of the same frame against decoding", "RepaintSameFrame", "Decode");
}
