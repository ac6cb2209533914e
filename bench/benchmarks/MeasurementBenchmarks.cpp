// SPDX-License-Identifier: GPL-3.0-or-later
// Times one counting measurement and one noise-power measurement on each
// compute path this CPU offers, against the floor of a counting measurement:
// its 1.2 million bare random draws made one after another; and the
// noise-power measurement's cost per random draw against the counting
// measurement's on the same path.

#include "bench/Bench.h"

#include <benchmark/benchmark.h>

#include <iomanip>
#include <iostream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr uint32_t Seed = 20240601u;
constexpr int32_t DrawsPerCountingMeasurement = TrialCount * BurstLength * NoiseSource::DrawsPerSample;

void Measure(benchmark::State& state, SwitchConfiguration switches, ComputePath path)
{
    DetectorBench bench(Seed);
    bench.Path = path;
    MeasurementInputs inputs;
    inputs.Switches = switches;
    for (auto _ : state)
        benchmark::DoNotOptimize(bench.Measure(inputs));
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

BENCHMARK(RandomDrawFloor)->Unit(benchmark::kMillisecond);

std::string CountingName(ComputePath path)
{
    return "MeasureDistinction1/" + std::string(PathName(path));
}

std::string NoisePowerName(ComputePath path)
{
    return "MeasureNoisePower/" + std::string(PathName(path));
}

void RegisterMeasurements()
{
    for (const ComputePath path : AvailableComputePaths()) {
        benchmark::RegisterBenchmark(CountingName(path).c_str(), Measure, SwitchConfiguration{0, 0, 0}, path)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(NoisePowerName(path).c_str(), Measure, SwitchConfiguration{2, 1, 1}, path)
            ->Unit(benchmark::kMillisecond);
    }
}

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
                milliseconds[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }

    std::map<std::string, double> milliseconds;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RegisterMeasurements();
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    // Ratios of CPU times from this one run.
    const auto cpuTime = [&](const std::string& name) {
        const auto found = reporter.milliseconds.find(name);
        return found == reporter.milliseconds.end() ? 0.0 : found->second;
    };
    const double floor = cpuTime("RandomDrawFloor");
    const double scalar = cpuTime(CountingName(ComputePath::Scalar));
    std::cout << std::fixed << std::setprecision(2);
    for (const ComputePath path : AvailableComputePaths()) {
        const double measurement = cpuTime(CountingName(path));
        if (measurement == 0.0 || floor == 0.0)
            continue;
        std::cout << "Counting measurement, " << PathName(path) << (path == FastestComputePath() ? " (default)" : "")
                  << ": / floor " << measurement / floor;
        if (path != ComputePath::Scalar && scalar != 0.0)
            std::cout << ", / scalar " << measurement / scalar;
        std::cout << '\n';
    }
    const double noisePowerDraws = static_cast<double>(DetectorBench(Seed).DrawsPerNoisePower());
    for (const ComputePath path : AvailableComputePaths()) {
        const double counting = cpuTime(CountingName(path));
        const double noisePower = cpuTime(NoisePowerName(path));
        if (counting == 0.0 || noisePower == 0.0)
            continue;
        // Milliseconds a measurement to nanoseconds a draw.
        const double countingPerDraw = counting * 1e6 / DrawsPerCountingMeasurement;
        const double noisePowerPerDraw = noisePower * 1e6 / noisePowerDraws;
        std::cout << "Noise-power measurement, " << PathName(path)
                  << (path == FastestComputePath() ? " (default)" : "") << ": " << noisePowerPerDraw
                  << " ns per draw, counting " << countingPerDraw << " ns, ratio "
                  << noisePowerPerDraw / countingPerDraw << '\n';
    }
    return 0;
}
