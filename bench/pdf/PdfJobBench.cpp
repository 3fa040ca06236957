// A record's print job written into a PDF, as `vantrel-tool print` writes it
// (A4 at 300 dots per inch, through the one road of preview and printer).
// Twenty detailed-view pages are set against rendering their twenty frames
// alone: a page may add little to the decoding it cannot do without (target
// at most twice). A third peer puts the same frames, already decoded and
// upright, one to a page into the PDF: the floor that the lossless pictures
// of the pages cannot go below. The records-list pages of a list of 100,000 rows are set
// against writing the same rows as the records listing, the other way the
// list leaves the program. The PDF goes into memory, the listing to a file.

#include "BenchMain.h"

#include "ReviewBenchFixture.h"

#include "CfaFileWriter.h"
#include "RecordTreeWriter.h"
#include "ReviewRecordWriter.h"

#include "document/CommandIds.h"
#include "document/RenderLaneFrame.h"
#include "imaging/CCfaImage.h"
#include "imaging/CDibImage.h"
#include "imaging/RotateImage90.h"
#include "platform/CQtPrintPictures.h"
#include "platform/CUprightPicture.h"
#include "platform/PrintOnDevice.h"
#include "printing/PrintJobPages.h"
#include "printing/PrintLayout.h"
#include "records/RecordsListing.h"

#include <QBuffer>
#include <QPainter>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::uint16_t SensorWidth = 1144;
constexpr std::uint16_t SensorHeight = 790;

struct Sizes {
    int LaneFrames;
    int ListRows;
};
constexpr Sizes FullSizes{20, 100000};
constexpr Sizes SmokeSizes{2, 200};

struct Fixture : bench::ReviewBenchFixture {
    explicit Fixture(const Sizes& sizes);

    // The print request as the print selection dialog leaves it after script.
    void Choose(const std::function<void(PrintSelectionForm&)>& script);
    // The job of the print request into a PDF in memory; the pages printed.
    int PrintToPdf();
    // As PrintToPdf, with each page drawn by draw.
    static void WritePdf(const std::function<void(QPdfWriter&)>& draw);

    Sizes sizes;
    std::vector<std::string> framePaths;
    CQtPrintPictures pictures{nullptr, QString()};
    PrintJobPages pages{document, pictures};
    PrintLayout layout;
};

// Before the list's first day, so that it is easy to tell apart.
const std::string FrameRecordName = testsupport::RecordName(2006, 2, 28, 12, 0, 0);

Fixture::Fixture(const Sizes& sizes) : sizes(sizes)
{
    const std::string directory = testsupport::WriteReviewRecord(root.Path(), {FrameRecordName, 0, {0, 0, 0}, {}, {}});
    for (int number = 1; number <= sizes.LaneFrames; ++number) {
        testsupport::CfaFile frame = testsupport::TexturedLaneFrame(SensorWidth, SensorHeight, number);
        frame.header.Lane = 1;
        framePaths.push_back(testsupport::ReviewLaneFramePath(directory, 1, number));
        testsupport::WriteCfaFile(framePaths.back(), frame);
    }
    testsupport::MakeRecordDirectories(root.Path(), sizes.ListRows - 1, 60);
    document.Refresh();
    const auto& visible = document.Records().Visible;
    for (std::size_t row = 0; row < visible.size(); ++row) {
        if (visible[row].Name == FrameRecordName)
            document.SelectRecord(static_cast<int>(row));
    }
}

void Fixture::Choose(const std::function<void(PrintSelectionForm&)>& script)
{
    services.PrintScripts.push_back([script](PrintSelectionForm& form) {
        form.ClickGeneralChoice(PrintSelectionForm::IDC_GENERAL_NOTHING);
        form.ClickDetailedChoice(PrintSelectionForm::IDC_DETAILED_NOTHING);
        script(form);
        return true;
    });
    document.OnCommand(ID_DETAILED_PRINT);
}

int Fixture::PrintToPdf()
{
    int printed = 0;
    WritePdf([this, &printed](QPdfWriter& writer) { printed = PrintOnDevice(writer, pages, layout, 1, 0); });
    return printed;
}

void Fixture::WritePdf(const std::function<void(QPdfWriter&)>& draw)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    draw(writer);
}

std::unique_ptr<Fixture> fixture;

void BenchPdfDetailedPages(benchmark::State& state)
{
    const int frames = fixture->sizes.LaneFrames;
    fixture->Choose([frames](PrintSelectionForm& form) {
        form.ClickDetailedChoice(PrintSelectionForm::IDC_DETAILED_PARTIAL);
        form.SetLaneChecked(PrintSelectionForm::IDC_LEFT_LANE, true);
        form.SetFrameText(PrintSelectionForm::IDC_LEFT_FROM, "1");
        form.SetFrameText(PrintSelectionForm::IDC_LEFT_FROM + 1, std::to_string(frames));
    });
    int printed = 0;
    for (auto _ : state)
        printed = fixture->PrintToPdf();
    if (printed != frames)
        state.SkipWithError("the job did not print one page for each frame");
}

// A frame decoded with the colour correction, gamma and cuts of the
// document's, as the printed pages decode theirs.
void SetUpAsTheDocument(CCfaImage& frame)
{
    const CCfaImage& shown = fixture->document.FrameImage();
    frame.Correction = shown.Correction;
    frame.Gamma = shown.Gamma;
    frame.HighCut = shown.HighCut;
    frame.LowCut = shown.LowCut;
}

// The peer: the same frames decoded with the automatic display range, and nothing else.
void BenchRenderLaneFrames(benchmark::State& state)
{
    CCfaImage frame;
    SetUpAsTheDocument(frame);
    LaneRendering how;
    how.AutoWindow = true;
    CDibImage picture;
    int rendered = 0;
    for (auto _ : state) {
        rendered = 0;
        for (const std::string& path : fixture->framePaths)
            rendered += RenderLaneFrame(frame, path, how, picture) == LaneRenderResult::Rendered;
    }
    if (rendered != fixture->sizes.LaneFrames)
        state.SkipWithError("a frame did not render");
}

// The floor: the same pictures as the pages', decoded, turned to stand on a
// portrait page and copied upright beforehand, drawn losslessly one to a
// page without captions. Each is a picture of its own, as the PDF stores a
// picture it was given before only once.
void BenchPdfPicturesOnly(benchmark::State& state)
{
    CCfaImage frame;
    SetUpAsTheDocument(frame);
    LaneRendering how;
    how.AutoWindow = true;
    std::vector<CUprightPicture> uprights(fixture->framePaths.size());
    for (std::size_t index = 0; index < uprights.size(); ++index) {
        CDibImage picture;
        RenderLaneFrame(frame, fixture->framePaths[index], how, picture);
        if (const auto turned = RotateImage90(picture, RotateCounterClockwise))
            uprights[index].CopyFrom(*turned);
    }
    for (auto _ : state) {
        Fixture::WritePdf([&uprights](QPdfWriter& writer) {
            QPainter painter(&writer);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.setRenderHint(QPainter::LosslessImageRendering);
            for (std::size_t page = 0; page < uprights.size(); ++page) {
                if (page > 0)
                    writer.newPage();
                painter.drawImage(QRect(240, 600, 2100, 2800), uprights[page].Image());
            }
        });
    }
    if (uprights.front().Image().isNull())
        state.SkipWithError("no picture was rendered");
}

void BenchPdfRecordsList(benchmark::State& state)
{
    fixture->Choose([](PrintSelectionForm& form) { form.SetPrintRecordsList(true); });
    int printed = 0;
    for (auto _ : state)
        printed = fixture->PrintToPdf();
    if (printed == 0)
        state.SkipWithError("the records list printed nothing");
}

void BenchTextRecordsListing(benchmark::State& state)
{
    const std::string path = fixture->root.Path() + "listing.txt";
    bool written = false;
    for (auto _ : state)
        written = WriteRecordsListing(fixture->document.Records(), fixture->codeNotes, path);
    if (!written)
        state.SkipWithError("the listing was not written");
}

}  // namespace

void bench::RegisterBenchmarks(bool smoke)
{
    fixture = std::make_unique<Fixture>(smoke ? SmokeSizes : FullSizes);
    // Registered after Qt made its own statics, so it runs before they go.
    std::atexit([] { fixture.reset(); });
    bench::AddTimed("PdfDetailedPages", BenchPdfDetailedPages, smoke);
    bench::AddTimed("RenderLaneFrames", BenchRenderLaneFrames, smoke);
    bench::AddTimed("PdfPicturesOnly", BenchPdfPicturesOnly, smoke);
    bench::AddTimed("PdfRecordsList", BenchPdfRecordsList, smoke);
    bench::AddTimed("TextRecordsListing", BenchTextRecordsListing, smoke);
}

void bench::ReportRatios(const bench::Times& times)
{
    bench::PrintRatio(times, "20 detailed-view pages into a PDF against rendering their 20 frames (target <= 2)",
                      "PdfDetailedPages", "RenderLaneFrames");
    bench::PrintRatio(times, "20 detailed-view pages into a PDF against their 20 decoded pictures alone",
                      "PdfDetailedPages", "PdfPicturesOnly");
    bench::PrintRatio(times, "records list of 100000 rows into a PDF against the records listing as text",
                      "PdfRecordsList", "TextRecordsListing");
}
