// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep's speed: 101 thresholds x 1000 trials of the distinction
// exercise, the figure the sweep is held to (under 0.5 s on two cores), on
// one thread and on two; a whole operating characteristic, detection and
// false alarms at 101 thresholds and a million trials each (under 2 s on two
// cores); and a picture's time and peak memory as its points grow, a curve
// for every two of them.
#include "sweep/lib/Sweep.h"
#include "sweep/lib/SweepReport.h"
#include "sweep/plot/SweepPlot.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

using namespace sweep;

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

void Characteristic(benchmark::State& state)
{
    SweepSettings settings = HundredAndOneThresholds(Experiment::Detection);
    settings.Experiments.push_back(Experiment::FalseAlarms);
    settings.Gains = {6.0};
    settings.Trials = MaxTrials;
    const int threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const std::vector<PointResult> results = RunSweep(settings, 1u, threads);
        benchmark::DoNotOptimize(TableText(settings, 1u, results));
    }
    state.counters["trials/s"]
        = benchmark::Counter(2.0 * MaxTrials, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(Characteristic)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

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

// Made-up results, measured exactly as theory says: only their number matters here.
void DrawPicture(benchmark::State& state)
{
    SweepSettings settings;
    settings.Experiments = {Experiment::Detection};
    settings.Thresholds = {0.0, 50.0};
    settings.Gains.clear();
    std::vector<PointResult> results;
    for (int64_t i = 0; i < state.range(0) / 2; ++i) {
        const double gain = 0.01 * static_cast<double>(i + 1);
        settings.Gains.push_back(gain);
        for (double threshold : settings.Thresholds) {
            PointResult r{{}, {Experiment::Detection, results.size(), gain, threshold, 0u}};
            r.Observed = threshold > 0.0 ? 0.5 : 1.0;
            r.Range = {r.Observed - 0.03, r.Observed};
            results.push_back(r);
        }
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawPlot(settings, 1u, results, false));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(DrawPicture)->Arg(200)->Arg(2000)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
