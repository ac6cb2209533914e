// Times one counting measurement and one noise-power measurement against the
// floor of a counting measurement: its 1.2 million bare random draws.

#include "Bench.h"

#include <benchmark/benchmark.h>

#include <iomanip>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr uint32_t Seed = 20240601u;
constexpr int32_t DrawsPerCountingMeasurement = TrialCount * BurstLength * NoiseSource::DrawsPerSample;

class DiscardingDisplay : public ResultDisplay {
public:
    void PublishResult(double registerReading, int32_t trials, int32_t counter) override
    {
        benchmark::DoNotOptimize(registerReading);
        benchmark::DoNotOptimize(trials);
        benchmark::DoNotOptimize(counter);
    }
};

void Measure(benchmark::State& state, SwitchConfiguration switches)
{
    DetectorBench bench(Seed);
    DiscardingDisplay display;
    MeasurementInputs inputs;
    inputs.Switches = switches;
    for (auto _ : state)
        bench.RunMeasurement(inputs, display);
}

void MeasureDistinction1(benchmark::State& state)
{
    Measure(state, {0, 0, 0});
}

void MeasureNoisePower(benchmark::State& state)
{
    Measure(state, {2, 1, 1});
}

void RandomDrawFloor(benchmark::State& state)
{
    RandomSource random;
    random.Seed(Seed);
    for (auto _ : state) {
        int32_t mix = 0;
        for (int32_t i = 0; i < DrawsPerCountingMeasurement; ++i)
            mix ^= random.NextValue();
        benchmark::DoNotOptimize(mix);
    }
}

BENCHMARK(MeasureDistinction1)->Unit(benchmark::kMillisecond);
BENCHMARK(MeasureNoisePower)->Unit(benchmark::kMillisecond);
BENCHMARK(RandomDrawFloor)->Unit(benchmark::kMillisecond);

// Prints as usual, without colour, and keeps each benchmark's CPU time per
// iteration: on a shared machine the CPU time is the steadier figure.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    RecordingReporter()
        : ConsoleReporter(OO_None)
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                seconds[run.run_name.function_name] = run.GetAdjustedCPUTime();
    }

    std::map<std::string, double> seconds;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto measurement = reporter.seconds.find("MeasureDistinction1");
    const auto floor = reporter.seconds.find("RandomDrawFloor");
    if (measurement != reporter.seconds.end() && floor != reporter.seconds.end())
        std::cout << "Counting measurement / floor (CPU time): " << std::fixed << std::setprecision(2)
                  << measurement->second / floor->second << '\n';
    return 0;
}
