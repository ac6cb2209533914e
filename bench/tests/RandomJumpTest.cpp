// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/Bench.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// Skipping n draws lands where n draws land, for counts around a sample
// (24 draws), a trial (1200) and a whole counting measurement.
TEST(RandomJumpTest, SkippingIsDrawing)
{
    const uint64_t counts[] = {0, 1, 2, 23, 24, 25, 1199, 1200, 1201, 9600, 1200000};
    for (const uint32_t seed : {0u, 1u, 0xFFFFFFFFu})
        for (const uint64_t count : counts) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", " << count << " draws");
            RandomSource drawn;
            drawn.Seed(seed);
            RandomSource skipped = drawn;
            for (uint64_t i = 0; i < count; ++i)
                drawn.NextValue();
            skipped.Skip(count);
            EXPECT_EQ(skipped.State, drawn.State);
        }
}

// The source's period is 2^64: half of it twice is the identity, a quarter
// of it twice is not; jumps compose like the counts they stand for.
TEST(RandomJumpTest, JumpsComposeOverTheWholePeriod)
{
    const StateMap half = RandomSource::Jump(uint64_t{1} << 63);
    const StateMap whole = half.Then(half);
    EXPECT_EQ(whole.Multiplier, 1u);
    EXPECT_EQ(whole.Increment, 0u);
    const StateMap quarterTwice = RandomSource::Jump(uint64_t{1} << 62).Then(RandomSource::Jump(uint64_t{1} << 62));
    EXPECT_NE(quarterTwice.Increment, 0u);

    const uint64_t a = 0x123456789ABCDEFu;
    const uint64_t b = 987654321u;
    const StateMap sum = RandomSource::Jump(a + b);
    const StateMap composed = RandomSource::Jump(a).Then(RandomSource::Jump(b));
    EXPECT_EQ(composed.Multiplier, sum.Multiplier);
    EXPECT_EQ(composed.Increment, sum.Increment);
}

} // namespace
