// The record store at the scale of a busy crossing: a root of 100,000 record
// directories, and 10,000 records with note files for the type ordering.
// Floors measured in the same run: a bare readdir pass over the same root, and
// one reading of the 10,000 note files.
#include "BenchMain.h"

#include "records/PrivateNote.h"
#include "records/RecordDirectory.h"

#include "RecordTreeWriter.h"
#include "TempDir.h"

#include <benchmark/benchmark.h>

#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

struct Trees {
    testsupport::TempDir dir;
    std::string records = dir.MakeDir("records");
    std::string noted = dir.MakeDir("noted");
    std::vector<std::string> notePaths;

    Trees(int recordCount, int notedCount)
    {
        // One record every 30 seconds: some five weeks of a busy crossing.
        testsupport::MakeRecordDirectories(records, recordCount, 30);
        testsupport::MakeRecordDirectories(noted, notedCount, 30, 1);
        RecordDirectory store;
        store.SetRoot(noted);
        for (const RecordEntry& row : store.AllRecords)
            notePaths.push_back(store.RecordPath(row) + "/" + PrivateNote::FileName);
    }
};

std::unique_ptr<Trees> trees;

void BareReaddir(benchmark::State& state)
{
    for (auto _ : state) {
        DIR* dir = opendir(trees->records.c_str());
        std::size_t entries = 0;
        while (const dirent* entry = readdir(dir))
            entries += entry->d_type == DT_DIR;
        closedir(dir);
        benchmark::DoNotOptimize(entries);
    }
}

void Scan(benchmark::State& state)
{
    RecordDirectory store;
    for (auto _ : state) {
        store.AllRecords.clear();
        store.ScanDirectory(trees->records, RecordState::Unprocessed);
        benchmark::DoNotOptimize(store.AllRecords.data());
    }
}

void SortByTime(benchmark::State& state)
{
    RecordDirectory store;
    store.ScanDirectory(trees->records, RecordState::Unprocessed);
    std::vector<RecordEntry> list;
    for (auto _ : state) {
        store.BuildList(list, -1, 0, RecordDirectory::SortByTime);
        benchmark::DoNotOptimize(list.data());
    }
}

// What a refresh does: the scan of the root and its two subdirectories, then the visible list by time.
void ScanAndSortByTime(benchmark::State& state)
{
    RecordDirectory store;
    for (auto _ : state) {
        store.SetRoot(trees->records);
        benchmark::DoNotOptimize(store.Visible.data());
    }
}

void ReadNoteFiles(benchmark::State& state)
{
    char buffer[256];
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (const std::string& path : trees->notePaths) {
            const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
            bytes += static_cast<std::size_t>(read(fd, buffer, sizeof buffer));
            close(fd);
        }
        benchmark::DoNotOptimize(bytes);
    }
}

void SortByTypeWithNotes(benchmark::State& state)
{
    RecordDirectory store;
    store.SetRoot(trees->noted);
    store.NoteOrdering = true;
    std::vector<RecordEntry> list;
    for (auto _ : state) {
        store.BuildList(list, -1, 0, RecordDirectory::SortByType);
        benchmark::DoNotOptimize(list.data());
    }
}

}  // namespace

void bench::RegisterBenchmarks(bool smoke)
{
    trees = smoke ? std::make_unique<Trees>(200, 20) : std::make_unique<Trees>(100'000, 10'000);
    const std::pair<const char*, void (*)(benchmark::State&)> benchmarks[] = {
        {"BareReaddir", BareReaddir},
        {"Scan", Scan},
        {"SortByTime", SortByTime},
        {"ScanAndSortByTime", ScanAndSortByTime},
        {"ReadNoteFiles", ReadNoteFiles},
        {"SortByTypeWithNotes", SortByTypeWithNotes},
    };
    for (const auto& [name, function] : benchmarks) {
        benchmark::internal::Benchmark* registered = benchmark::RegisterBenchmark(name, function);
        registered->Unit(benchmark::kMillisecond);
        if (smoke)
            registered->Iterations(1);
    }
}

void bench::ReportRatios(const bench::Times& times)
{
    bench::PrintRatio(times, "scan plus sort by time against a bare readdir pass (target <= 2)", "ScanAndSortByTime",
                      "BareReaddir");
    bench::PrintRatio(times, "scan alone against a bare readdir pass", "Scan", "BareReaddir");
    bench::PrintRatio(times, "sort by time of 100,000 rows against a bare readdir pass", "SortByTime", "BareReaddir");
    bench::PrintRatio(times, "sort by type with note ordering against reading the 10,000 notes once (target <= 2)",
                      "SortByTypeWithNotes", "ReadNoteFiles");
}
