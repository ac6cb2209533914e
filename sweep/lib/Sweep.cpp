#include "Sweep.h"

#include "DetectorBench.h"
#include "TheoryComparison.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace sweep {

namespace {

// Keeps the sum of what the bench publishes over several runs.
class Tally : public ResultDisplay {
public:
    void PublishResult(double registerReading, int32_t trials, int32_t counter) override
    {
        ReadingSum += registerReading;
        Trials += trials;
        Counter += counter;
        ++Runs;
    }

    double ReadingSum = 0.0;
    int64_t Trials = 0;
    int64_t Counter = 0;
    int64_t Runs = 0;
};

uint64_t SplitMix64(uint64_t x)
{
    x += 0x9E3779B97F4A7C15u;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
    return x ^ (x >> 31);
}

void Compare(PointResult& result, const SweepSettings& settings)
{
    const SweepPoint& point = result.Point;
    static_cast<Comparison&>(result) = CompareWithTheory(point.Kind, settings.Signal1, settings.Signal2, point.Gain,
        point.Threshold, result.Trials, result.Counter, result.Reading);
}

} // namespace

uint32_t PointSeed(uint32_t baseSeed, Experiment experiment, size_t index)
{
    const uint64_t key = (uint64_t{baseSeed} << 32) ^ (uint64_t(experiment) << 28) ^ uint64_t(index);
    return static_cast<uint32_t>(SplitMix64(key) >> 32);
}

std::vector<SweepPoint> PlanSweep(const SweepSettings& settings, uint32_t baseSeed)
{
    std::vector<SweepPoint> plan;
    for (Experiment experiment : settings.Experiments) {
        const std::vector<double> noThreshold{0.0};
        const std::vector<double>& thresholds = CountsTrials(experiment) ? settings.Thresholds : noThreshold;
        size_t index = 0;
        for (double gain : settings.Gains)
            for (double threshold : thresholds) {
                plan.push_back({experiment, index, gain, threshold, PointSeed(baseSeed, experiment, index)});
                ++index;
            }
    }
    return plan;
}

PointResult RunPoint(const SweepSettings& settings, const SweepPoint& point, const std::atomic<int>* stop)
{
    DetectorBench bench(point.Seed);
    MeasurementInputs inputs;
    inputs.Signal1Shape = settings.Signal1;
    inputs.Signal2Shape = settings.Signal2;
    inputs.Gain = point.Gain;
    inputs.Threshold = point.Threshold;
    inputs.Switches = SwitchesOf(point.Kind);

    Tally tally;
    for (int32_t run = 0; run < settings.Trials / TrialCount; ++run) {
        if (stop != nullptr && stop->load() != 0)
            return {{}, point};
        bench.RunMeasurement(inputs, tally);
    }

    PointResult result{{}, point};
    result.Trials = tally.Trials;
    result.Counter = tally.Counter;
    result.Reading = tally.ReadingSum / static_cast<double>(tally.Runs);
    Compare(result, settings);
    return result;
}

std::vector<PointResult> RunSweep(const SweepSettings& settings, uint32_t baseSeed, int threads, SweepWatch* watch)
{
    const std::vector<SweepPoint> plan = PlanSweep(settings, baseSeed);
    std::vector<PointResult> results(plan.size());
    std::atomic<size_t> next{0};
    const std::atomic<int>* stop = watch != nullptr ? watch->Stop : nullptr;
    const auto stopped = [&] { return watch != nullptr && watch->Stopped(); };
    const auto work = [&] {
        for (size_t i = next++; i < plan.size() && !stopped(); i = next++) {
            results[i] = RunPoint(settings, plan[i], stop);
            if (watch != nullptr)
                ++watch->PointsDone;
        }
    };
    const size_t workers = std::min<size_t>(std::max(threads, 1), std::max<size_t>(plan.size(), 1));
    {
        std::vector<std::jthread> helpers;
        for (size_t t = 1; t < workers; ++t)
            helpers.emplace_back(work);
        work();
    } // the helpers join here, before the results leave
    return results;
}

} // namespace sweep
