// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchComparison.h"
#include "RecordingDisplay.h"
#include "bench/Bench.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

using bench_comparison::ExpectSameBench;
using bench_comparison::SameValue;

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();

const MeasurementInputs CountingInputs[] = {
    {1, 2, 1.0, 0.0, {0, 0, 0}},  // distinction, signal 1 sent
    {2, 1, 4.0, 0.0, {0, 1, 0}},  // detection
    {3, 4, 10.0, 0.0, {1, 0, 0}}, // distinction, signal 2 sent
    {4, 2, 1.0, 0.0, {2, 1, 0}},  // false alarms
    {1, 1, 0.0, 0.0, {0, 1, 0}},  // no noise: every statistic alike
};

// Thresholds at and just beside the statistics themselves (only a value
// strictly above counts), between them, and beyond all of them.
std::vector<double> ThresholdsAround(std::vector<double> statistics)
{
    std::sort(statistics.begin(), statistics.end());
    std::vector<double> thresholds{-Infinity, Infinity, NotANumber, -1e9, 1e9, 0.0};
    for (size_t i = 0; i < statistics.size(); i += statistics.size() / 10) {
        const double s = statistics[i];
        thresholds.insert(thresholds.end(), {s, std::nextafter(s, -Infinity), std::nextafter(s, Infinity)});
    }
    thresholds.push_back(statistics.back());
    return thresholds;
}

// A bench on `path` seeded with `seed`.
DetectorBench BenchOn(ComputePath path, uint32_t seed)
{
    DetectorBench bench(seed);
    bench.Path = path;
    return bench;
}

testing::Message Describe(ComputePath path, const MeasurementInputs& inputs)
{
    return testing::Message() << PathName(path) << ", switches " << inputs.Switches.K1Index
                              << inputs.Switches.K2Index << inputs.Switches.K3Index;
}

// The counter of a measurement with any threshold is the number of the
// same trials' statistics above that threshold: the equality a sweep over
// thresholds rests on. The trials leave the bench as the measurement does,
// but for the counter, which they leave alone.
TEST(DecisionStatisticsTest, CountAboveAnyThresholdIsTheMeasurementsCounter)
{
    for (const ComputePath path : AvailableComputePaths())
        for (const MeasurementInputs& inputs : CountingInputs) {
            SCOPED_TRACE(Describe(path, inputs));
            const DetectorBench start = BenchOn(path, 2024u);
            DetectorBench statisticsBench = start;
            std::vector<double> statistics(TrialCount);
            ASSERT_TRUE(statisticsBench.DecisionStatistics(inputs, statistics));
            DetectorBench measured = start;
            for (const double threshold : ThresholdsAround(statistics)) {
                measured = start;
                MeasurementInputs withThreshold = inputs;
                withThreshold.Threshold = threshold;
                RecordingDisplay display;
                measured.RunMeasurement(withThreshold, display);
                EXPECT_EQ(CountAbove(statistics, threshold), display.Published.front().Counter) << "H " << threshold;
            }
            EXPECT_EQ(statisticsBench.Counter, 0);
            measured.Counter = 0;
            ExpectSameBench(statisticsBench, measured);
        }
}

// A long run of statistics is the runs of measurements one after another,
// and a run split at any trial, the second part started by skipping the
// first part's draws, is the same run: how threads can share one.
TEST(DecisionStatisticsTest, LongRunsSplitAndContinueAsMeasurementsDo)
{
    constexpr size_t Trials = 3 * TrialCount;
    for (const ComputePath path : AvailableComputePaths())
        for (const MeasurementInputs& inputs : CountingInputs) {
            SCOPED_TRACE(Describe(path, inputs));
            DetectorBench whole = BenchOn(path, 99u);
            std::vector<double> statistics(Trials);
            ASSERT_TRUE(whole.DecisionStatistics(inputs, statistics));

            DetectorBench measured = BenchOn(path, 99u);
            for (size_t run = 0; run < Trials / TrialCount; ++run) {
                RecordingDisplay display;
                measured.RunMeasurement(inputs, display);
                const std::span<const double> part(statistics.data() + run * TrialCount, TrialCount);
                EXPECT_EQ(CountAbove(part, inputs.Threshold), display.Published.front().Counter) << "run " << run;
            }
            EXPECT_EQ(measured.Noise.Random.State, whole.Noise.Random.State);

            for (const size_t split : {size_t{1}, size_t{999}, size_t{1234}}) {
                DetectorBench second = BenchOn(path, 99u);
                second.Noise.Random.Skip(split * second.DrawsPerTrial());
                std::vector<double> rest(Trials - split);
                ASSERT_TRUE(second.DecisionStatistics(inputs, rest));
                EXPECT_TRUE(std::equal(rest.begin(), rest.end(), statistics.begin() + split, SameValue))
                    << "split at " << split;
                EXPECT_EQ(second.Noise.Random.State, whole.Noise.Random.State);
            }
        }
}

TEST(DecisionStatisticsTest, NoCountingMeasurementRunsNothing)
{
    const SwitchConfiguration switches[] = {{2, 1, 1}, {1, 1, 0}, {0, 0, 1}, {-1, 0, 0}};
    for (const SwitchConfiguration& k : switches) {
        DetectorBench bench(5u);
        const DetectorBench before = bench;
        std::vector<double> statistics(10, 7.0);
        EXPECT_FALSE(bench.DecisionStatistics({3, 4, 2.0, 1.0, k}, statistics));
        EXPECT_EQ(statistics, std::vector<double>(10, 7.0));
        ExpectSameBench(bench, before);
        EXPECT_EQ(bench.Noise.Level, 1.0);
        EXPECT_EQ(bench.Filter1.Shape, 1);
    }
}

TEST(DecisionStatisticsTest, NoiselessStatisticsAreTheFilterOutputs)
{
    DetectorBench bench(3u);
    std::vector<double> statistics(20);
    ASSERT_TRUE(bench.DecisionStatistics({2, 4, 0.0, 1e9, {0, 0, 0}}, statistics));
    EXPECT_EQ(statistics, std::vector<double>(20, 96.0));
    EXPECT_EQ(bench.Threshold, 0.0);
    ASSERT_TRUE(bench.DecisionStatistics({2, 4, 0.0, 0.0, {1, 0, 0}}, statistics));
    EXPECT_EQ(statistics, std::vector<double>(20, -96.0));
}

} // namespace
