#include "BenchComparison.h"
#include "Bench.h"
#include "RecordingDisplay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

namespace {

using bench_comparison::ExpectSameBench;
using bench_comparison::SameValue;
using reference::Bits;

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();

const SwitchConfiguration Exercises[] = {{0, 0, 0}, {0, 1, 0}, {1, 0, 0}, {2, 1, 0}, {2, 1, 1}};
const SwitchConfiguration RefusedSwitches{1, 1, 0};
const double Gains[] = {1.0, 0.0, 3.0, 1000.0, 0.001, -2.0, NotANumber, Infinity, 7.5};
const double Thresholds[] = {0.0, -1e9, 47.9, 1e9, -50.0, 3.0, -0.0};
const uint32_t Seeds[] = {0u, 1u, 4242u, 0xFFFFFFFFu};

// One bench per path this CPU offers, the scalar one first, all from one seed.
std::vector<std::unique_ptr<DetectorBench>> BenchPerPath(uint32_t seed)
{
    std::vector<std::unique_ptr<DetectorBench>> benches;
    for (const ComputePath path : AvailableComputePaths()) {
        benches.push_back(std::make_unique<DetectorBench>(seed));
        benches.back()->Path = path;
    }
    return benches;
}

TEST(ComputePathTest, EveryCpuOffersScalarAndSse2AndTheDefaultIsTheFastest)
{
    const std::vector<ComputePath> paths = AvailableComputePaths();
    ASSERT_GE(paths.size(), 2u);
    EXPECT_EQ(paths[0], ComputePath::Scalar);
    EXPECT_EQ(paths[1], ComputePath::Sse2);
    EXPECT_EQ(DetectorBench(1u).Path, paths.back());
    EXPECT_EQ(Bench.Path, paths.back());
}

// Every path against the scalar code, through one long sequence of
// measurements per seed: each exercise with every pair of shapes 0 to 5
// (0 and 5 being no shape at all), gains and thresholds from a grid. After
// each measurement the published numbers and all the state a measurement
// leaves must be the same.
TEST(ComputePathTest, EveryPathLeavesWhatTheScalarCodeLeaves)
{
    for (const uint32_t seed : Seeds) {
        std::vector<std::unique_ptr<DetectorBench>> benches = BenchPerPath(seed);
        int row = 0;
        for (int32_t shape1 = 0; shape1 <= 5; ++shape1)
            for (const SwitchConfiguration& switches : Exercises) {
                const MeasurementInputs inputs{shape1, (shape1 + row) % 6, Gains[row % std::size(Gains)],
                    Thresholds[row % std::size(Thresholds)], row % 11 == 10 ? RefusedSwitches : switches};
                ++row;
                std::vector<RecordingDisplay> displays(benches.size());
                for (size_t b = 0; b < benches.size(); ++b)
                    benches[b]->RunMeasurement(inputs, displays[b]);
                for (size_t b = 1; b < benches.size(); ++b) {
                    SCOPED_TRACE(testing::Message() << PathName(benches[b]->Path) << ", seed " << seed << ", row "
                                                    << row << ", shapes " << inputs.Signal1Shape << ' '
                                                    << inputs.Signal2Shape << ", K " << inputs.Gain << ", H "
                                                    << inputs.Threshold);
                    ASSERT_EQ(displays[b].Published.size(), 1u);
                    const MeasurementResult& fast = displays[b].Published[0];
                    const MeasurementResult& scalar = displays[0].Published[0];
                    EXPECT_EQ(Bits(fast.RegisterReading), Bits(scalar.RegisterReading));
                    EXPECT_EQ(fast.Trials, scalar.Trials);
                    EXPECT_EQ(fast.Counter, scalar.Counter);
                    ExpectSameBench(*benches[b], *benches[0]);
                }
            }
    }
}

// Only a changed generator length changes the number of samples in a
// trial, and with more than 50 the filters' oldest taps come into play. The
// fast paths follow it, or leave a burst longer than any filter to the
// scalar code.
TEST(ComputePathTest, OtherBurstLengthsStayExact)
{
    const int32_t Lengths[][2] = {{0, 50}, {1, 50}, {30, 70}, {51, 20}, {200, 50}, {-3, 50}, {201, 1}};
    for (const auto& lengths : Lengths)
        for (const SwitchConfiguration& switches : Exercises) {
            const MeasurementInputs inputs{2, 4, 1.5, 2.0, switches};
            std::vector<std::unique_ptr<DetectorBench>> benches = BenchPerPath(77u);
            std::vector<std::vector<double>> statistics(benches.size(), std::vector<double>(41));
            std::vector<RecordingDisplay> displays(benches.size());
            for (size_t b = 0; b < benches.size(); ++b) {
                benches[b]->Generator1.Length = lengths[0];
                benches[b]->Generator2.Length = lengths[1];
                benches[b]->DecisionStatistics(inputs, statistics[b]);
                benches[b]->RunMeasurement(inputs, displays[b]);
            }
            for (size_t b = 1; b < benches.size(); ++b) {
                SCOPED_TRACE(testing::Message() << PathName(benches[b]->Path) << ", lengths " << lengths[0] << ' '
                                                << lengths[1] << ", switches " << switches.K1Index
                                                << switches.K2Index << switches.K3Index);
                EXPECT_TRUE(std::equal(statistics[b].begin(), statistics[b].end(), statistics[0].begin(), SameValue));
                EXPECT_EQ(displays[b].Published.front().Counter, displays[0].Published.front().Counter);
                EXPECT_EQ(Bits(displays[b].Published.front().RegisterReading),
                    Bits(displays[0].Published.front().RegisterReading));
                ExpectSameBench(*benches[b], *benches[0]);
            }
        }
}

// The statistics themselves, not only the counts they give, over block
// boundaries of every lane width (1 to 37 trials) and a long run.
TEST(ComputePathTest, DecisionStatisticsAreTheScalarOnes)
{
    const MeasurementInputs inputs[] = {
        {1, 2, 1.0, 0.0, {0, 0, 0}}, {4, 2, 3.0, 0.0, {0, 1, 0}}, {2, 3, 0.5, 0.0, {1, 0, 0}},
        {1, 5, 1.0, 0.0, {2, 1, 0}}, {0, 4, 2.0, 0.0, {1, 0, 0}}, {3, 1, Infinity, 0.0, {0, 0, 0}},
    };
    for (const MeasurementInputs& in : inputs)
        for (const size_t trials : {1u, 2u, 7u, 8u, 9u, 16u, 17u, 37u, 3001u}) {
            std::vector<std::unique_ptr<DetectorBench>> benches = BenchPerPath(static_cast<uint32_t>(trials));
            std::vector<double> scalar(trials);
            ASSERT_TRUE(benches[0]->DecisionStatistics(in, scalar));
            for (size_t b = 1; b < benches.size(); ++b) {
                SCOPED_TRACE(testing::Message() << PathName(benches[b]->Path) << ", " << trials << " trials, shapes "
                                                << in.Signal1Shape << ' ' << in.Signal2Shape << ", K " << in.Gain);
                std::vector<double> fast(trials);
                ASSERT_TRUE(benches[b]->DecisionStatistics(in, fast));
                for (size_t t = 0; t < trials; ++t)
                    ASSERT_TRUE(SameValue(fast[t], scalar[t])) << "trial " << t << ": " << fast[t] << " " << scalar[t];
                ExpectSameBench(*benches[b], *benches[0]);
            }
        }
}

} // namespace
