// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/Bench.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

struct BurstCase {
    int32_t shape;
    int32_t length;
    int32_t firstPartSamples;
    double firstValue;
    double secondValue;
};

// The first part ends one sample before the middle, at any length.
const BurstCase BurstCases[] = {
    {1, 50, 24, 1.0, 1.0},
    {2, 50, 24, 1.0, -1.0},
    {3, 50, 24, -1.0, -1.0},
    {4, 50, 24, -1.0, 1.0},
    {2, 51, 24, 1.0, -1.0},
    {4, 7, 2, -1.0, 1.0},
    {0, 50, 24, 0.0, 0.0},
    {5, 50, 24, 0.0, 0.0},
    {-1, 50, 24, 0.0, 0.0},
    {std::numeric_limits<int32_t>::max(), 50, 24, 0.0, 0.0},
};

TEST(SignalGeneratorTest, BurstsHaveTheirShapeAndThenStop)
{
    for (const BurstCase& c : BurstCases) {
        SCOPED_TRACE(testing::Message() << "shape " << c.shape << ", length " << c.length);
        SignalGenerator generator(c.shape, c.length);
        for (int32_t position = 0; position < c.length; ++position) {
            const double expected = position < c.firstPartSamples ? c.firstValue : c.secondValue;
            ASSERT_EQ(generator.NextSample(), expected) << "position " << position;
            ASSERT_EQ(generator.Position, position + 1);
        }
        for (int extra = 0; extra < 3; ++extra) {
            EXPECT_EQ(generator.NextSample(), 0.0);
            EXPECT_EQ(generator.Position, c.length);
        }
    }
}

TEST(SignalGeneratorTest, RewindRestartsTheBurst)
{
    SignalGenerator generator(2);
    for (int i = 0; i < 30; ++i)
        generator.NextSample();
    generator.Rewind();
    EXPECT_EQ(generator.Position, 0);
    EXPECT_EQ(generator.NextSample(), 1.0);
}

TEST(SignalGeneratorTest, NegativePositionGivesZeroAndStays)
{
    SignalGenerator generator(1);
    generator.Position = -3;
    EXPECT_EQ(generator.NextSample(), 0.0);
    EXPECT_EQ(generator.Position, -3);
}

} // namespace
