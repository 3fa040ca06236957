#include "BenchMain.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Records each run's time beside the normal console output.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    bench::Times times;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.iterations > 0 && run.run_type == Run::RT_Iteration)
                times[run.benchmark_name()] = run.GetAdjustedRealTime() *
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
