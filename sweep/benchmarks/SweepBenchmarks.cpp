// The sweep's speed: 101 thresholds x 1000 trials of the distinction
// exercise, the figure the sweep is held to (under 0.5 s on two cores), on
// one thread and on two.
#include "Sweep.h"
#include "SweepReport.h"

#include <benchmark/benchmark.h>

namespace {

SweepSettings HundredAndOneThresholds(Experiment experiment)
{
    SweepSettings settings;
    settings.Experiments = {experiment};
    settings.Thresholds.clear();
    for (int h = 0; h <= 100; ++h)
        settings.Thresholds.push_back(h);
    return settings;
}

void SweepDistinction(benchmark::State& state)
{
    const SweepSettings settings = HundredAndOneThresholds(Experiment::Distinction1);
    const int threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const std::vector<PointResult> results = RunSweep(settings, 1u, threads);
        benchmark::DoNotOptimize(TableText(settings, 1u, results));
    }
    state.counters["points/s"] = benchmark::Counter(101.0, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(SweepDistinction)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

void SweepNoisePower(benchmark::State& state)
{
    SweepSettings settings;
    settings.Experiments = {Experiment::NoisePower};
    settings.Gains.clear();
    for (int k = 0; k <= 100; ++k)
        settings.Gains.push_back(k * 0.1);
    for (auto _ : state)
        benchmark::DoNotOptimize(RunSweep(settings, 1u, static_cast<int>(state.range(0))));
}
BENCHMARK(SweepNoisePower)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
