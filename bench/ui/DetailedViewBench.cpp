// A step of the dynamic-range bar on a 1144 x 790 lane frame: the document
// renders the frame with the new window and the detailed view repaints it
// fitted to the window. Set against the same rendering followed by Qt's own
// smooth drawImage of the picture at the same size: the view may add little
// to what drawing the picture costs anyway. The view's copy into 32-bit
// pixels is why it beats drawing the 24-bit picture itself; the second peer
// draws a 32-bit copy made outside the timing, the floor of any way to paint.

#include "BenchMain.h"

#include "ReviewBenchFixture.h"

#include "CfaFileWriter.h"
#include "RecordTreeWriter.h"
#include "ReviewRecordWriter.h"

#include "document/CommandIds.h"
#include "imaging/PictureScale.h"
#include "platform/DibImageView.h"
#include "views/CCfaImagePane.h"
#include "views/CCfaImageView.h"

#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <memory>

namespace {

constexpr std::uint16_t SensorWidth = 1144;
constexpr std::uint16_t SensorHeight = 790;
// The detailed pane of the main window on a screen of 1280 x 1024.
constexpr QSize PaneSize(830, 830);
// Two display windows a step of the bar goes between.
constexpr int Windows[2][2] = {{200, 3000}, {300, 2800}};

struct Fixture : bench::ReviewBenchFixture {
    Fixture();

    std::unique_ptr<CCfaImagePane> pane;
};

Fixture::Fixture()
{
    const std::string directory = testsupport::WriteReviewRecord(
        root.Path(), {testsupport::RecordName(2006, 3, 1, 12, 0, 0), 0, {1, 0, 0}, {}, {}});
    testsupport::WriteCfaFile(testsupport::ReviewLaneFramePath(directory, 1, 1),
                              testsupport::TexturedLaneFrame(SensorWidth, SensorHeight));
    pane = std::make_unique<CCfaImagePane>(document, binder, nullptr);
    document.AddView(pane.get());
    document.Refresh();
    document.OnCommand(ID_ZOOM_FIT);
    pane->resize(PaneSize);
    bench::ShowExposed(*pane);
}

std::unique_ptr<Fixture> fixture;

// The next of the two windows, as a drag of the bar sends it.
void StepDisplayRange(int& step)
{
    step ^= 1;
    fixture->document.SetDisplayRange(Windows[step][0], Windows[step][1]);
}

void BenchRangeStepAndRepaint(benchmark::State& state)
{
    QWidget& client = *fixture->pane->PictureView().viewport();
    int step = 0;
    for (auto _ : state) {
        StepDisplayRange(step);
        client.repaint();
    }
    if (!fixture->document.DetailedImageReady())
        state.SkipWithError("no picture was rendered");
}

// A display-range step, then the picture that shown() gives drawn smoothly at
// the size the view paints it, into an image of the view's size.
template <class Shown>
void StepAndDraw(benchmark::State& state, const Shown& shown)
{
    const QSize client = fixture->pane->PictureView().viewport()->size();
    const CDibImage& picture = fixture->document.DetailedImage();
    const ImageSize painted =
        ScalePicture({picture.Width(), picture.Height()}, {client.width(), client.height()}, 0).Painted;
    QImage target(client, QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        StepDisplayRange(step);
        QPainter painter(&target);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(0, 0, painted.width, painted.height), shown());
    }
}

// The peer: the same rendering, drawn from the picture's own 24-bit pixels.
void BenchRangeStepAndDrawImage(benchmark::State& state)
{
    const CDibImage& picture = fixture->document.DetailedImage();
    StepAndDraw(state, [&picture] { return DibImageView(picture); });
}

// The floor: the picture already in 32-bit pixels, which Qt scales fastest;
// the copy into them is left out.
void BenchRangeStepAndDrawImage32(benchmark::State& state)
{
    const QImage picture32 = DibImageView(fixture->document.DetailedImage()).convertToFormat(QImage::Format_RGB32);
    StepAndDraw(state, [&picture32] { return picture32; });
}

void BenchRangeStepOnly(benchmark::State& state)
{
    int step = 0;
    for (auto _ : state)
        StepDisplayRange(step);
}

void BenchRepaintOnly(benchmark::State& state)
{
    QWidget& client = *fixture->pane->PictureView().viewport();
    for (auto _ : state)
        client.repaint();
}

}  // namespace

void bench::RegisterBenchmarks(bool smoke)
{
    fixture = std::make_unique<Fixture>();
    // Registered after Qt made its own statics, so it runs before they go.
    std::atexit([] { fixture.reset(); });
    bench::AddTimed("RangeStepAndRepaint", BenchRangeStepAndRepaint, smoke);
    bench::AddTimed("RangeStepAndDrawImage", BenchRangeStepAndDrawImage, smoke);
    bench::AddTimed("RangeStepAndDrawImage32", BenchRangeStepAndDrawImage32, smoke);
    bench::AddTimed("RangeStepOnly", BenchRangeStepOnly, smoke);
    bench::AddTimed("RepaintOnly", BenchRepaintOnly, smoke);
}

void bench::ReportRatios(const bench::Times& times)
{
    bench::PrintRatio(times, "range step and repaint against range step and drawImage", "RangeStepAndRepaint",
                      "RangeStepAndDrawImage");
    bench::PrintRatio(times, "range step and repaint against range step and drawImage of 32-bit pixels",
                      "RangeStepAndRepaint", "RangeStepAndDrawImage32");
    bench::PrintRatio(times, "range step and repaint against the range step alone", "RangeStepAndRepaint",
                      "RangeStepOnly");
}
