// The records list at the scale of a busy crossing: 100,000 visible rows.
// A refill (the list starts over, the current row scrolled into view and
// the pane repainted) must cost less than formatting every row's time text
// once, the floor measured in the same run: only the rows on screen are
// ever formatted.
#include "BenchMain.h"

#include "FakeReviewServices.h"
#include "RecordTreeWriter.h"
#include "TempDir.h"
#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"
#include "document/CVantrelDoc.h"
#include "document/CommandIds.h"
#include "document/UpdateHints.h"
#include "platform/CCommandBinder.h"
#include "records/RecordListText.h"
#include "ui/CRecordDirectoryPane.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

struct ShownPane {
    testsupport::TempDir dir;
    CVantrelSettings settings;
    CCodeNoteMap codeNotes;
    testsupport::FakeReviewServices services;
    CVantrelDoc document{settings, codeNotes, services};
    CCommandBinder binder{document, nullptr};
    CRecordDirectoryPane pane{document, binder, nullptr};

    explicit ShownPane(int recordCount)
    {
        // One record every 30 seconds: some five weeks of a busy crossing.
        settings.RootDirectory = dir.MakeDir("records");
        testsupport::MakeRecordDirectories(settings.RootDirectory, recordCount, 30);
        document.AddView(&pane);
        pane.resize(450, 600);
        pane.show();
        document.OnCommand(ID_REFRESH);
        // A current row far from the top, so that the refill has to scroll.
        document.SelectRecord(recordCount / 2);
    }
};

std::unique_ptr<QApplication> application;
std::unique_ptr<ShownPane> shown;

void RefillList(benchmark::State& state)
{
    for (auto _ : state)
        shown->pane.OnUpdate(HINT_LIST, nullptr);
}

void FormatTimeTexts(benchmark::State& state)
{
    const RecordDirectory& records = shown->document.Records();
    const int rows = static_cast<int>(records.Visible.size());
    for (auto _ : state) {
        std::size_t characters = 0;
        for (int row = 0; row < rows; ++row)
            characters += RecordListText(records, row, false).size();
        benchmark::DoNotOptimize(characters);
    }
}

}  // namespace

void bench::RegisterBenchmarks(bool smoke)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vantrel_records_pane_bench";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QApplication>(argc, argv);
    shown = std::make_unique<ShownPane>(smoke ? 200 : 100'000);
    // The pane and the application go while Qt's own globals still exist,
    // which the end of the static objects is too late for.
    std::atexit([] {
        shown.reset();
        application.reset();
    });
    const std::pair<const char*, void (*)(benchmark::State&)> benchmarks[] = {
        {"RefillList", RefillList},
        {"FormatTimeTexts", FormatTimeTexts},
    };
    for (const auto& [benchmarkName, function] : benchmarks) {
        benchmark::internal::Benchmark* registered = benchmark::RegisterBenchmark(benchmarkName, function);
        registered->Unit(benchmark::kMillisecond);
        if (smoke)
            registered->Iterations(1);
    }
}

void bench::ReportRatios(const bench::Times& times)
{
    bench::PrintRatio(times,
                      "refill with 100,000 visible rows (model reset, current row scrolled into view) against "
                      "formatting those 100,000 time texts once (target <= 0.5)",
                      "RefillList", "FormatTimeTexts");
}
