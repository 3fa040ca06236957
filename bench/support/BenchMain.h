#pragma once

#include <map>
#include <string>

// The shared main of every benchmark executable. "--smoke" runs each benchmark
// once on small input; otherwise the benchmarks run normally and the executable
// then prints the ratios it promises, one per line, from the same run.
namespace bench {

// Real time per iteration in nanoseconds, by benchmark name: the median over
// the repetitions when a benchmark has several, else the mean of its one run.
using Times = std::map<std::string, double>;

// Defined by each benchmark executable.
void RegisterBenchmarks(bool smoke);
void ReportRatios(const Times& times);

// Prints "label: numerator/denominator = ratio" when both were measured.
void PrintRatio(const Times& times, const std::string& label, const std::string& numerator,
                const std::string& denominator);

}  // namespace bench
