// SPDX-License-Identifier: GPL-3.0-or-later
#include "CurveTrials.h"

#include "bench/DetectorBench.h"

#include <algorithm>

namespace sweep {

MeasurementInputs BenchInputs(const SweepSettings& settings, Experiment experiment, double gain, double threshold)
{
    MeasurementInputs inputs;
    inputs.Signal1Shape = settings.Signal1;
    inputs.Signal2Shape = settings.Signal2;
    inputs.Gain = gain;
    inputs.Threshold = threshold;
    inputs.Switches = SwitchesOf(experiment);
    return inputs;
}

void CurveTrials(const SweepSettings& settings, Experiment experiment, double gain, uint32_t seed, int64_t firstTrial,
    std::span<double> statistics)
{
    DetectorBench bench(seed);
    bench.Noise.Random.Skip(static_cast<uint64_t>(firstTrial) * bench.DrawsPerTrial());
    bench.DecisionStatistics(BenchInputs(settings, experiment, gain, 0.0), statistics);
}

void AddCountsAbove(std::span<double> statistics, std::span<const double> thresholds, std::span<int64_t> counts)
{
    std::sort(statistics.begin(), statistics.end());
    for (size_t i = 0; i < thresholds.size(); ++i) {
        const auto above = std::upper_bound(statistics.begin(), statistics.end(), thresholds[i]);
        counts[i] += statistics.end() - above;
    }
}

} // namespace sweep
