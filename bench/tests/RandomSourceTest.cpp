// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenceBench.h"
#include "bench/Bench.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace {

struct KnownSequence {
    uint32_t seed;
    uint64_t stateAfterSeed;
    std::array<int32_t, 5> values;
};

const KnownSequence KnownSequences[] = {
    {0u, 1u, {346, 13854878, 1621890440, 816282396, 1778554774}},
    {1u, 22695478u, {1410184549, 672584604, 1915668986, 576821944, 167078712}},
};

TEST(RandomSourceTest, KnownSeedsGiveTheirSequences)
{
    for (const KnownSequence& known : KnownSequences) {
        SCOPED_TRACE(known.seed);
        RandomSource random;
        random.Seed(known.seed);
        EXPECT_EQ(random.State, known.stateAfterSeed);
        for (const int32_t value : known.values)
            EXPECT_EQ(random.NextValue(), value);
    }
}

TEST(RandomSourceTest, SeedingIgnoresThePreviousState)
{
    RandomSource random;
    random.Seed(7u);
    random.NextValue();
    random.Seed(1u);
    EXPECT_EQ(random.State, 22695478u);
}

// The core multiplies the 64-bit state at once; the reference builds the
// product from 32-bit halves with an explicit carry.
TEST(RandomSourceTest, FollowsTheHalvesArithmeticOverLongRuns)
{
    for (const uint32_t seed : {0u, 1u, 12345u, 0x80000000u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(seed);
        RandomSource random;
        random.Seed(seed);
        reference::Random plain(seed);
        for (int i = 0; i < 200000; ++i) {
            const int32_t value = random.NextValue();
            ASSERT_EQ(value, plain.NextValue()) << "draw " << i;
            ASSERT_GE(value, 0);
        }
        EXPECT_EQ(random.State, plain.State());
    }
}

} // namespace
