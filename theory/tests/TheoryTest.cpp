// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/DetectorBench.h"
#include "theory/Theory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

using namespace theory;

namespace {

// Noise-power readings of one bench at gain K, run after run.
std::vector<double> Readings(uint32_t seed, int32_t shape, double gain, int runs)
{
    DetectorBench bench(seed);
    MeasurementInputs inputs;
    inputs.Signal1Shape = shape;
    inputs.Gain = gain;
    inputs.Switches = {2, 1, 1};
    std::vector<double> readings;
    for (int run = 0; run < runs; ++run)
        readings.push_back(bench.Measure(inputs).value().RegisterReading);
    return readings;
}

double Mean(const std::vector<double>& v)
{
    return std::accumulate(v.begin(), v.end(), 0.0) / static_cast<double>(v.size());
}

double SampleDeviation(const std::vector<double>& v)
{
    const double mean = Mean(v);
    double sum = 0.0;
    for (double x : v)
        sum += (x - mean) * (x - mean);
    return std::sqrt(sum / static_cast<double>(v.size() - 1));
}

} // namespace

TEST(Theory, UnitNoiseMomentsFollowFromTwentyFourUniformTerms)
{
    const NoiseMoments noise = UnitNoise();
    EXPECT_NEAR(noise.Mean, -0.00012 / std::sqrt(2.0), 1e-19);
    EXPECT_NEAR(noise.Variance, 1.0 - 1e-10, 1e-15);
    // A uniform term has fourth cumulant -1/120; 24 of them, over sqrt(2)^4.
    EXPECT_NEAR(noise.FourthCumulant, -0.05, 1e-15);
}

TEST(Theory, FilterWeightsAreTheReferenceReadBackwards)
{
    for (int32_t shape = 1; shape <= 4; ++shape) {
        const std::vector<double> c = FilterWeights(shape);
        ASSERT_EQ(c.size(), 50u);
        for (size_t k = 0; k < c.size(); ++k) {
            const double early = shape == 1 || shape == 4 ? 1.0 : -1.0; // k < 25: the newest inputs
            const double late = shape == 1 || shape == 2 ? 1.0 : -1.0;
            EXPECT_EQ(c[k], k < 25 ? early : late) << "shape " << shape << ", k " << k;
        }
    }
}

TEST(Theory, NoiselessOutputsAreTheBenchTable)
{
    const double table[4][4] = {{50, -2, -50, 2}, {0, 48, 0, -48}, {-50, 2, 50, -2}, {0, -48, 0, 48}};
    for (int32_t filter = 1; filter <= 4; ++filter)
        for (int32_t burst = 1; burst <= 4; ++burst)
            EXPECT_EQ(NoiselessOutput(filter, burst), table[filter - 1][burst - 1]) << filter << ", " << burst;
}

TEST(Theory, DecisionStatisticMeansAndDeviations)
{
    const double noiseMean = UnitNoise().Mean;
    // Distinction of shapes 1 and 2: the weights differ by 2 on 25 inputs.
    const StatisticModel d1 = DecisionStatistic(Experiment::Distinction1, 1, 2, 1.0);
    EXPECT_NEAR(d1.Mean, 50.0 + 50.0 * noiseMean, 1e-12);
    EXPECT_NEAR(d1.StandardDeviation, 10.0, 1e-8);
    const StatisticModel d2 = DecisionStatistic(Experiment::Distinction2, 1, 2, 3.0);
    EXPECT_NEAR(d2.Mean, -2.0 - 48.0 + 3.0 * 50.0 * noiseMean, 1e-12);
    EXPECT_NEAR(d2.StandardDeviation, 30.0, 1e-8);
    // The generator's split at 24 against the filter's at 25: 48, not 50.
    EXPECT_NEAR(DecisionStatistic(Experiment::Detection, 2, 1, 1.0).Mean, 48.0, 1e-12);
    EXPECT_NEAR(DecisionStatistic(Experiment::Detection, 4, 1, 0.5).StandardDeviation, 0.5 * std::sqrt(50.0), 1e-8);
    const StatisticModel fa = DecisionStatistic(Experiment::FalseAlarms, 3, 1, 2.0);
    EXPECT_NEAR(fa.Mean, 2.0 * -50.0 * noiseMean, 1e-12);
    EXPECT_NEAR(fa.StandardDeviation, 2.0 * std::sqrt(50.0), 1e-8);
    // Equal shapes: the two filters cancel exactly, noise or not.
    const StatisticModel same = DecisionStatistic(Experiment::Distinction1, 3, 3, 5.0);
    EXPECT_EQ(same.Mean, 0.0);
    EXPECT_EQ(same.StandardDeviation, 0.0);
    // No gain, no noise: the statistic is the noiseless one, exactly.
    const StatisticModel quiet = DecisionStatistic(Experiment::Distinction1, 2, 4, 0.0);
    EXPECT_EQ(quiet.Mean, 96.0);
    EXPECT_EQ(quiet.StandardDeviation, 0.0);
}

TEST(Theory, CrossingProbabilityIsTheNormalTailAndStrictWithoutNoise)
{
    EXPECT_EQ(CrossingProbability({50.0, 0.0}, 49.9), 1.0);
    EXPECT_EQ(CrossingProbability({50.0, 0.0}, 50.0), 0.0);
    EXPECT_DOUBLE_EQ(CrossingProbability({50.0, 10.0}, 50.0), 0.5);
    EXPECT_NEAR(CrossingProbability({0.0, 1.0}, 1.959963984540054), 0.025, 1e-12);
    EXPECT_NEAR(CrossingProbability({0.0, 1.0}, -1.0), 0.8413447460685429, 1e-12);
    // Far in the tail the probability is small but not lost to rounding.
    EXPECT_NEAR(CrossingProbability({0.0, 1.0}, 8.0) / 6.22096057427178e-16, 1.0, 1e-9);
}

// The statistic near 50 takes values 7.1e-15 apart; the model needs the
// noise to span thousands of such steps, or none at all (K = 0).
TEST(Theory, TheModelNeedsNoiseWiderThanTheSpacingOfDoubles)
{
    const struct {
        Experiment experiment;
        double gain;
        bool resolved;
    } rows[] = {
        {Experiment::Distinction1, 0.0, true},
        {Experiment::Distinction1, 1e-15, false},
        {Experiment::Detection, 1e-15, false},
        {Experiment::Detection, 1e-13, false},
        {Experiment::Detection, 1e-11, true},
        {Experiment::Detection, 1.0, true},
        {Experiment::FalseAlarms, 1e-15, true}, // noise alone: no noiseless value to resolve it against
        {Experiment::FalseAlarms, 1e-300, true},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ModelResolvesNoise(DecisionStatistic(row.experiment, 1, 2, row.gain)), row.resolved)
            << Describe(row.experiment).Name << " K " << row.gain;
}

TEST(Theory, NoisePowerReadingOfTheAllPlusFilter)
{
    const NoiseMoments noise = UnitNoise();
    const ReadingModel model = NoisePowerReading(1, 1.0);
    EXPECT_NEAR(model.Expected, 50.0 * noise.Variance + std::pow(50.0 * noise.Mean, 2.0), 1e-12);
    // R(tau) = 50 - |tau| for the all-plus filter: the variance of the mean of
    // 5000 squared outputs, summed here the long way round.
    double variance = 0.0;
    for (int s = 0; s < 5000; ++s)
        for (int t = std::max(0, s - 49); t <= std::min(4999, s + 49); ++t) {
            const double r = 50.0 - std::abs(s - t);
            variance += 2.0 * r * r + noise.FourthCumulant * r;
        }
    EXPECT_NEAR(model.StandardDeviation, std::sqrt(variance) / 5000.0, 1e-6);
    EXPECT_NEAR(NoisePowerReading(1, 2.0).StandardDeviation, 4.0 * model.StandardDeviation, 1e-9);
    EXPECT_EQ(NoisePowerReading(2, 0.0).Expected, 0.0);
    EXPECT_EQ(NoisePowerReading(2, 0.0).StandardDeviation, 0.0);
}

TEST(Theory, NoisePowerReadingsOfTheBenchScatterAsPredicted)
{
    for (int32_t shape : {1, 2}) {
        const std::vector<double> readings = Readings(2024u + static_cast<uint32_t>(shape), shape, 1.5, 200);
        const ReadingModel model = NoisePowerReading(shape, 1.5);
        // Mean of 200 runs within 5 of its standard errors.
        EXPECT_NEAR(Mean(readings), model.Expected, 5.0 * model.StandardDeviation / std::sqrt(200.0)) << shape;
        // A standard deviation from 200 runs is good to about 5%.
        EXPECT_NEAR(SampleDeviation(readings) / model.StandardDeviation, 1.0, 0.25) << shape;
    }
}
