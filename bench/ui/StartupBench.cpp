// The application started as the officer starts it, offscreen: from nothing
// to the first record painted in the detailed view, on the demo installation
// and on a root of 10,000 records, with the process's peak resident size at
// that moment. Each start runs in a child process of its own, forked before
// any Qt object exists, so that neither time nor peak memory carries over
// from another start. Set against `vantrel-tool list` reading the same root
// in a process of its own: the start must cost little beyond the reading.

#include "BenchMain.h"

#include "ProcessMemory.h"
#include "RecordTreeWriter.h"
#include "ReviewBenchFixture.h"
#include "TempDir.h"

#include "app/CVantrelApp.h"
#include "document/CVantrelDoc.h"
#include "ui/CMainFrame.h"
#include "ui/CVantrelView.h"
#include "views/CCfaImagePane.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int LargeRoot = 10000;
constexpr int SmokeRoot = 200;
constexpr int PaintLimitMs = 60000;

// What a child's start gives back through its pipe.
struct StartFigures {
    double Seconds = 0;
    long PeakKb = 0;
    long Rows = 0;
    bool Painted = false;
};

struct Installation {
    testsupport::TempDir work;
    std::string demo = work.Path() + "demo/";
    std::string largeRoot;
};

std::unique_ptr<Installation> installation;

// Runs the program to its end with its output dropped; false unless it succeeded.
bool RunProgram(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return spawned == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The records only as directories, so that writing 10,000 takes moments;
// before all of them in time, which the program shows first, a copy of a
// demo record, so that both starts paint a record of the same weight.
std::string WriteLargeRoot(const std::string& demoRecords, const std::string& root, int count)
{
    std::filesystem::create_directories(root);
    testsupport::MakeRecordDirectories(root, count, 61);
    std::vector<std::filesystem::path> demo;
    for (const auto& entry : std::filesystem::directory_iterator(demoRecords))
        if (entry.is_directory() && entry.path().filename().string()[0] != '!')
            demo.push_back(entry.path());
    if (demo.empty())
        std::abort();
    std::filesystem::copy(*std::min_element(demo.begin(), demo.end()), root + "2006-02-28 00:00:00",
                          std::filesystem::copy_options::recursive);
    return root;
}

void Install(bool smoke)
{
    installation = std::make_unique<Installation>();
    if (!RunProgram({VANTREL_TOOL_PATH, "demo", installation->demo}))
        std::abort();
    installation->largeRoot = WriteLargeRoot(installation->demo + "records", installation->work.Path() + "large/",
                                             smoke ? SmokeRoot : LargeRoot);
}

// Counts the detailed view's paints once a record is set up.
class FirstRecordPaint : public QObject {
public:
    explicit FirstRecordPaint(const CVantrelApp& app) : app_(app) {}
    bool Painted() const { return painted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && app_.Document() && app_.Document()->HasSelection() &&
            app_.Frame() && InImagePane(watched))
            painted_ = true;
        return false;
    }

private:
    bool InImagePane(QObject* object) const
    {
        const QObject* pane = app_.Frame()->View()->ImagePane();
        for (; object; object = object->parent())
            if (object == pane)
                return true;
        return false;
    }

    const CVantrelApp& app_;
    bool painted_ = false;
};

// In the child: the program's own start in the installation, with the root
// on its command line, until the detailed view paints the first record.
StartFigures StartApplication(const std::string& root)
{
    QElapsedTimer clock;
    clock.start();
    bench::UseOffscreenUnlessNamed();
    // The recent-files list goes to the run's own directory, not the user's.
    setenv("XDG_CONFIG_HOME", (installation->work.Path() + "config").c_str(), 1);
    QDir::setCurrent(QString::fromStdString(installation->demo));
    int argc = 1;
    char name[] = "vantrel";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    std::setlocale(LC_ALL, "C");
    CVantrelApp app;
    FirstRecordPaint paint(app);
    application.installEventFilter(&paint);
    QStringList arguments{QStringLiteral("vantrel")};
    if (!root.empty())
        arguments << QString::fromStdString(root);
    StartFigures figures;
    if (!app.InitInstance(arguments))
        return figures;
    while (!paint.Painted() && clock.elapsed() < PaintLimitMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    figures.Seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    figures.PeakKb = testsupport::ProcessMemory::Now().PeakKb;
    figures.Rows = app.Document() ? static_cast<long>(app.Document()->Records().Visible.size()) : 0;
    figures.Painted = paint.Painted();
    return figures;
}

// Forks a child for one start and reads its figures back.
StartFigures StartInChild(const std::string& root)
{
    int channel[2];
    if (pipe(channel) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const StartFigures figures = StartApplication(root);
        const bool sent = write(channel[1], &figures, sizeof figures) == sizeof figures;
        _exit(sent ? 0 : 1);
    }
    close(channel[1]);
    StartFigures figures;
    const bool received = child > 0 && read(channel[0], &figures, sizeof figures) == sizeof figures;
    close(channel[0]);
    int status = 0;
    if (child > 0)
        waitpid(child, &status, 0);
    return received ? figures : StartFigures{};
}

void BenchStartToFirstPaint(benchmark::State& state, bool largeRoot)
{
    for (auto _ : state) {
        const StartFigures figures = StartInChild(largeRoot ? installation->largeRoot : std::string());
        if (!figures.Painted) {
            state.SkipWithError("the first record was never painted");
            return;
        }
        state.SetIterationTime(figures.Seconds);
        state.counters["peak_KiB"] = static_cast<double>(figures.PeakKb);
        state.counters["rows"] = static_cast<double>(figures.Rows);
    }
}

void BenchToolList(benchmark::State& state)
{
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        if (!RunProgram({VANTREL_TOOL_PATH, "list", "--root", installation->largeRoot})) {
            state.SkipWithError("vantrel-tool list failed");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    }
}

void Register(const char* name, void (*function)(benchmark::State&), bool smoke)
{
    auto* benchmark = benchmark::RegisterBenchmark(name, function)->UseManualTime()->Unit(benchmark::kMillisecond);
    if (smoke)
        benchmark->Iterations(1);
    else
        benchmark->Repetitions(5)->Iterations(1)->ReportAggregatesOnly(true);
}

}  // namespace

void bench::RegisterBenchmarks(bool smoke)
{
    Install(smoke);
    Register("StartToFirstPaint/demo", [](benchmark::State& state) { BenchStartToFirstPaint(state, false); }, smoke);
    Register("StartToFirstPaint/10000", [](benchmark::State& state) { BenchStartToFirstPaint(state, true); }, smoke);
    Register("ToolList/10000", BenchToolList, smoke);
}

void bench::ReportRatios(const Times& times)
{
    PrintRatio(times, "start to first paint against listing, 10,000 records", "StartToFirstPaint/10000",
               "ToolList/10000");
    PrintRatio(times, "start on 10,000 records against the demo installation", "StartToFirstPaint/10000",
               "StartToFirstPaint/demo");
}
