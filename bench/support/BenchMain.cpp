#include "BenchMain.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The name a benchmark was registered under, without the run settings
// (minimum time, repetitions) that the library appends.
std::string PlainName(const benchmark::BenchmarkReporter::Run& run)
{
    const benchmark::BenchmarkName& name = run.run_name;
    return name.args.empty() ? name.function_name : name.function_name + "/" + name.args;
}

// Records each benchmark's time beside the normal console output: the median
// of its repetitions when it has several (one slow repetition, from another
// process or a cold cache, then cannot tilt a ratio), else its only run.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    bench::Times times;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.iterations > 0 && (single || median))
                times[PlainName(run)] = run.GetAdjustedRealTime() *
                    benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                    benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

bool TakeSmokeFlag(int& argc, char** argv)
{
    bool smoke = false;
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--smoke") == 0)
            smoke = true;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    return smoke;
}

// The repetitions of all benchmarks run in a shuffled order rather than one
// benchmark's after the other's: on a shared machine whose speed drifts
// within a run, the drift then falls on both sides of a ratio alike. A flag
// given on the command line comes later and wins.
std::vector<char*> WithInterleaving(int argc, char** argv)
{
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    std::vector<char*> arguments(argv, argv + argc);
    arguments.insert(arguments.begin() + (argc > 0 ? 1 : 0), interleave);
    return arguments;
}

}  // namespace

void bench::PrintRatio(const Times& times, const std::string& label, const std::string& numerator,
                       const std::string& denominator)
{
    const auto num = times.find(numerator);
    const auto den = times.find(denominator);
    if (num == times.end() || den == times.end() || den->second <= 0)
        return;
    std::printf("ratio %s: %s / %s = %.3f\n", label.c_str(), numerator.c_str(), denominator.c_str(),
                num->second / den->second);
}

int main(int argc, char** argv)
{
    const bool smoke = TakeSmokeFlag(argc, argv);
    std::vector<char*> arguments = WithInterleaving(argc, argv);
    argc = static_cast<int>(arguments.size());
    argv = arguments.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    bench::RegisterBenchmarks(smoke);
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (!smoke)
        bench::ReportRatios(reporter.times);
    return 0;
}
