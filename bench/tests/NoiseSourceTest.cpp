// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenceBench.h"
#include "bench/Bench.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

using reference::Bits;

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();

struct LevelCase {
    uint32_t seed;
    double level;
};

const LevelCase BitExactCases[] = {
    {0u, 1.0}, {1u, 1.0}, {20240601u, 3.7}, {99u, 0.001}, {5u, 1000.0},
    {6u, -2.5}, {7u, 0.0}, {8u, 1e308}, {9u, Infinity}, {10u, NotANumber},
};

TEST(NoiseSourceTest, SamplesMatchThePlainSumBitForBit)
{
    for (const LevelCase& c : BitExactCases) {
        SCOPED_TRACE(testing::Message() << "seed " << c.seed << ", level " << c.level);
        NoiseSource noise(c.seed);
        noise.Level = c.level;
        reference::Noise plain{reference::Random(c.seed), c.level};
        for (int i = 0; i < 20000; ++i)
            ASSERT_EQ(Bits(noise.Sample()), Bits(plain.Sample())) << "sample " << i;
        EXPECT_EQ(noise.Random.State, plain.random.State());
    }
}

TEST(NoiseSourceTest, LevelZeroGivesZerosAndStillDrawsTwentyFourValues)
{
    NoiseSource noise(3u);
    noise.Level = 0.0;
    RandomSource draws;
    draws.Seed(3u);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(noise.Sample(), 0.0);
        for (int d = 0; d < NoiseSource::DrawsPerSample; ++d)
            draws.NextValue();
        ASSERT_EQ(noise.Random.State, draws.State);
    }
}

// Mean and variance of many samples, against the exact mean and the normal
// spread of the estimates: tolerances are five standard errors, so a fixed
// seed passes by construction unless the noise is wrong.
TEST(NoiseSourceTest, BoundsAndMomentsFollowTheLevel)
{
    constexpr int Count = 200000;
    const double exactMean = -0.000005 * 24 / std::sqrt(2.0);
    const double exactVariance = 24 * (1e10 - 1) / (12 * 1e10) / 2;
    const LevelCase cases[] = {{11u, 1.0}, {12u, 2.5}, {13u, 0.3}, {14u, 40.0}};
    for (const LevelCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "seed " << c.seed << ", level " << c.level);
        NoiseSource noise(c.seed);
        noise.Level = c.level;
        double sum = 0.0;
        double sumOfSquares = 0.0;
        double largest = 0.0;
        for (int i = 0; i < Count; ++i) {
            const double x = noise.Sample() / c.level;
            sum += x;
            sumOfSquares += x * x;
            largest = std::max(largest, std::abs(x));
        }
        const double mean = sum / Count;
        const double variance = sumOfSquares / Count - mean * mean;
        EXPECT_LE(largest, 8.4853);
        EXPECT_NEAR(mean, exactMean, 5 * std::sqrt(exactVariance / Count));
        EXPECT_NEAR(variance, exactVariance, 5 * std::sqrt(2.0 / Count) * exactVariance);
    }
}

} // namespace
