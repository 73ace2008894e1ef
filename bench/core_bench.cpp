#include "evaluation/assessment.h"
#include "large_project.h"

#include <benchmark/benchmark.h>

using namespace rebound;

namespace {

const FixedDateProvider kToday("2026/12/11");

void BM_RecalculateProject(benchmark::State &state)
{
    ReboundFile project(kToday);
    const int zones = static_cast<int>(state.range(0));
    bench::FillLargeProject(project, zones, 10);
    for (auto _ : state) {
        const RecalcOutcome outcome = RecalculateProject(project);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(project.assessed_strength);
    }
    const double positions = static_cast<double>(zones) * 10.0;
    // Seconds per position, printed with an SI prefix (e.g. "40n").
    state.counters["per_position"] =
        benchmark::Counter(positions, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RecalculateProject)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace

