// The print job of a records list at the scale of a busy crossing: the page
// count and every page of 100,000 visible rows against 10,000, on a canvas
// that only counts its calls. The walk must stay linear in the rows.
#include "BenchMain.h"

#include "FakeReviewServices.h"
#include "RecordTreeWriter.h"
#include "RecordingCanvas.h"
#include "TempDir.h"

#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"
#include "document/CVantrelDoc.h"
#include "document/CommandIds.h"
#include "printing/PrintJobPages.h"
#include "printing/PrintLayout.h"
#include "printing/PrintPictures.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// A desktop without pictures: the records list needs none.
class NoPictures : public PrintPictures {
public:
    bool LoadBitmap(const std::string&, CDibImage&) override { return false; }
    bool CaptureMainView(CDibImage&) override { return false; }
    bool LoadSubpoenaForm(CDibImage&) override { return false; }
};

// A document over a root of rows records (one every 30 seconds) whose print
// request is the records list alone.
struct RecordsListJob {
    testsupport::TempDir dir;
    CVantrelSettings settings;
    CCodeNoteMap codeNotes;
    testsupport::FakeReviewServices services;
    std::unique_ptr<CVantrelDoc> document;
    NoPictures pictures;

    explicit RecordsListJob(int rows)
    {
        testsupport::MakeRecordDirectories(dir.Path(), rows, 30);
        settings.RootDirectory = dir.Path();
        document = std::make_unique<CVantrelDoc>(settings, codeNotes, services);
        document->OnNewDocument();
        document->Refresh();
        services.PrintScripts.push_back([](PrintSelectionForm& form) {
            form.ClickGeneralChoice(PrintSelectionForm::IDC_GENERAL_NOTHING);
            form.ClickDetailedChoice(PrintSelectionForm::IDC_DETAILED_NOTHING);
            form.SetPrintRecordsList(true);
            return true;
        });
        document->OnCommand(ID_DETAILED_PRINT);
    }
};

std::unique_ptr<RecordsListJob> smallJob;
std::unique_ptr<RecordsListJob> largeJob;

void PrintRecordsList(benchmark::State& state, RecordsListJob* job)
{
    testsupport::RecordingCanvas canvas;
    canvas.Keep = false;
    canvas.LineHeight = {40, 40, 40};  // 73 lines on the default page, as before the first job
    PrintLayout layout;
    layout.Begin(canvas);
    PrintJobPages pages(*job->document, job->pictures);
    for (auto _ : state) {
        const int count = pages.PageCount(layout);
        for (int page = 1; page <= count; ++page)
            pages.PrintPage(canvas, layout, page);
        benchmark::DoNotOptimize(canvas.CallCount);
    }
    state.counters["calls"] = static_cast<double>(canvas.CallCount) / static_cast<double>(state.iterations());
}

}  // namespace

void bench::RegisterBenchmarks(bool smoke)
{
    smallJob = std::make_unique<RecordsListJob>(smoke ? 20 : 10'000);
    largeJob = std::make_unique<RecordsListJob>(smoke ? 200 : 100'000);
    const std::pair<const char*, RecordsListJob*> jobs[] = {
        {"RecordsList10k", smallJob.get()},
        {"RecordsList100k", largeJob.get()},
    };
    for (const auto& [name, job] : jobs) {
        benchmark::internal::Benchmark* registered = benchmark::RegisterBenchmark(name, PrintRecordsList, job);
        registered->Unit(benchmark::kMillisecond);
        if (smoke)
            registered->Iterations(1);
        else
            registered->MinWarmUpTime(0.2)->MinTime(0.5)->Repetitions(5)->ReportAggregatesOnly();
    }
}

void bench::ReportRatios(const bench::Times& times)
{
    bench::PrintRatio(times, "records list print job of 100,000 rows against 10,000 (linear: about 10)",
                      "RecordsList100k", "RecordsList10k");
}
