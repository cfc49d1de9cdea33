#pragma once

// Repeated runs reported as their spread: mean, median, standard deviation and the
// fastest and slowest repetition. Use as BENCHMARK(f)->Apply(WithSpread).

#include <algorithm>
#include <vector>

#include <benchmark/benchmark.h>

namespace quorvane {

inline void WithRepetitions(benchmark::internal::Benchmark* bench, int repetitions)
{
    bench->Repetitions(repetitions)
        ->ReportAggregatesOnly()
        ->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
        ->ComputeStatistics("max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); });
}

inline void WithSpread(benchmark::internal::Benchmark* bench)
{
    WithRepetitions(bench, 5);
}

// For benchmarks whose one run takes seconds.
inline void WithShortSpread(benchmark::internal::Benchmark* bench)
{
    WithRepetitions(bench, 3);
}

} // namespace quorvane
