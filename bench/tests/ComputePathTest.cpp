// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchComparison.h"
#include "RecordingDisplay.h"
#include "bench/Bench.h"

#include <gtest/gtest.h>

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

struct StatisticsCase {
    int32_t length1; // Generator1.Length: the samples in a trial
    int32_t length2;
    size_t trials;
    MeasurementInputs inputs;
};

// Block boundaries of every lane width (1 to 37 trials) and a long run;
// other burst lengths, which only a changed generator length makes: with
// more than 50 the filters' oldest taps come into play, and a burst longer
// than any filter is left to the scalar code.
const StatisticsCase StatisticsCases[] = {
    {50, 50, 1, {1, 2, 1.0, 0.0, {0, 0, 0}}}, {50, 50, 2, {4, 2, 3.0, 0.0, {0, 1, 0}}},
    {50, 50, 7, {2, 3, 0.5, 0.0, {1, 0, 0}}}, {50, 50, 9, {1, 5, 1.0, 0.0, {2, 1, 0}}},
    {50, 50, 16, {0, 4, 2.0, 0.0, {1, 0, 0}}}, {50, 50, 17, {3, 1, Infinity, 0.0, {0, 0, 0}}},
    {50, 50, 37, {2, 4, 1.0, 0.0, {0, 0, 0}}}, {50, 50, 3001, {4, 2, 1.0, 0.0, {1, 0, 0}}},
    {0, 50, 41, {2, 4, 1.5, 0.0, {0, 0, 0}}}, {1, 50, 41, {2, 4, 1.5, 0.0, {0, 1, 0}}},
    {30, 70, 41, {2, 4, 1.5, 0.0, {1, 0, 0}}}, {51, 20, 41, {2, 4, 1.5, 0.0, {1, 0, 0}}},
    {200, 50, 41, {2, 4, 1.5, 0.0, {0, 0, 0}}}, {200, 50, 41, {4, 2, 1.5, 0.0, {2, 1, 1}}},
    {-3, 50, 41, {2, 4, 1.5, 0.0, {2, 1, 0}}}, {201, 1, 41, {2, 4, 1.5, 0.0, {1, 0, 0}}},
};

// The statistics themselves, not only the counts they give, then a whole
// measurement on the same benches.
TEST(ComputePathTest, StatisticsAndMeasurementsAreTheScalarOnes)
{
    for (const StatisticsCase& c : StatisticsCases) {
        std::vector<std::unique_ptr<DetectorBench>> benches = BenchPerPath(static_cast<uint32_t>(c.trials));
        std::vector<std::vector<double>> statistics(benches.size(), std::vector<double>(c.trials));
        std::vector<RecordingDisplay> displays(benches.size());
        for (size_t b = 0; b < benches.size(); ++b) {
            benches[b]->Generator1.Length = c.length1;
            benches[b]->Generator2.Length = c.length2;
            benches[b]->DecisionStatistics(c.inputs, statistics[b]);
            benches[b]->RunMeasurement(c.inputs, displays[b]);
        }
        for (size_t b = 1; b < benches.size(); ++b) {
            SCOPED_TRACE(testing::Message() << PathName(benches[b]->Path) << ", lengths " << c.length1 << ' '
                                            << c.length2 << ", " << c.trials << " trials, switches "
                                            << c.inputs.Switches.K1Index << c.inputs.Switches.K2Index
                                            << c.inputs.Switches.K3Index);
            for (size_t t = 0; t < c.trials; ++t)
                ASSERT_TRUE(SameValue(statistics[b][t], statistics[0][t])) << "trial " << t;
            EXPECT_EQ(displays[b].Published.front().Counter, displays[0].Published.front().Counter);
            EXPECT_EQ(Bits(displays[b].Published.front().RegisterReading),
                Bits(displays[0].Published.front().RegisterReading));
            ExpectSameBench(*benches[b], *benches[0]);
        }
    }
}

struct NoisePowerCase {
    int32_t length; // Filter1's
    int32_t shape;
    double gain;
};

// Filter lengths about the lanes' widths and the filter's bounds (at 2 and 3
// the middle tap is one step back), every shape and none, gains of either
// sign and zero, up to the largest the lanes take (1e300) and beyond, where
// infinities and NaNs appear and the lanes leave the filter to the scalar code.
const NoisePowerCase NoisePowerCases[] = {
    {2, 2, 1.0}, {3, 4, 1.0}, {7, 1, 2.5}, {8, 3, 1.0}, {16, 2, 0.5}, {17, 4, 1.0}, {33, 1, -7.0},
    {50, 1, 1.0}, {50, 2, -0.0}, {50, 3, 0.0}, {50, 4, 1e300}, {51, 2, 1e-300}, {199, 1, 1000.0},
    {200, 4, 3.0}, {50, 0, 1.0}, {50, 5, 1.0}, {50, 2, 1e301}, {50, 1, 1e306}, {50, 4, Infinity},
    {50, 3, NotANumber},
};

// Two noise-power measurements in a row on every path, each publishing and
// leaving what the scalar code does, and taking the draws it declares.
TEST(ComputePathTest, NoisePowerIsTheScalarOneForEveryFilter)
{
    for (const uint32_t seed : Seeds)
        for (const NoisePowerCase& c : NoisePowerCases) {
            std::vector<std::unique_ptr<DetectorBench>> benches = BenchPerPath(seed);
            std::vector<RecordingDisplay> displays(benches.size());
            const MeasurementInputs inputs{c.shape, 2, c.gain, 0.0, {2, 1, 1}};
            for (size_t b = 0; b < benches.size(); ++b) {
                benches[b]->Filter1 = MatchedFilter(c.shape, c.length);
                benches[b]->RunMeasurement(inputs, displays[b]);
                benches[b]->RunMeasurement(inputs, displays[b]);
            }
            RandomSource skipped;
            skipped.Seed(seed);
            skipped.Skip(2 * benches[0]->DrawsPerNoisePower());
            EXPECT_EQ(benches[0]->Noise.Random.State, skipped.State);
            for (size_t b = 1; b < benches.size(); ++b) {
                SCOPED_TRACE(testing::Message() << PathName(benches[b]->Path) << ", seed " << seed << ", length "
                                                << c.length << ", shape " << c.shape << ", K " << c.gain);
                ASSERT_EQ(displays[b].Published.size(), 2u);
                for (size_t run = 0; run < 2; ++run)
                    EXPECT_TRUE(SameValue(displays[b].Published[run].RegisterReading,
                        displays[0].Published[run].RegisterReading))
                        << "run " << run;
                ExpectSameBench(*benches[b], *benches[0]);
            }
        }
}

} // namespace
