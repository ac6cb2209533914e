// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Compares everything a measurement leaves observable in a bench.

#include "ReferenceBench.h"
#include "bench/Bench.h"

#include <gtest/gtest.h>

#include <cmath>

namespace bench_comparison {

// Equal to the bit, or both NaN (a NaN's sign may depend on how the
// compiler orders a commutative operation).
inline bool SameValue(double a, double b)
{
    return reference::Bits(a) == reference::Bits(b) || (std::isnan(a) && std::isnan(b));
}

inline void ExpectSameFilter(const MatchedFilter& actual, const MatchedFilter& expected)
{
    EXPECT_EQ(actual.Shape, expected.Shape);
    EXPECT_EQ(reference::Bits(actual.Output.Value), reference::Bits(expected.Output.Value));
    ASSERT_EQ(actual.Length(), expected.Length());
    for (int32_t slot = 0; slot < expected.Length(); ++slot)
        EXPECT_EQ(reference::Bits(actual.Delayed(slot)), reference::Bits(expected.Delayed(slot))) << "slot " << slot;
}

inline void ExpectSameBench(const DetectorBench& actual, const DetectorBench& expected)
{
    EXPECT_EQ(actual.Noise.Random.State, expected.Noise.Random.State);
    EXPECT_EQ(actual.Counter, expected.Counter);
    EXPECT_EQ(reference::Bits(actual.SquareSum.Value), reference::Bits(expected.SquareSum.Value));
    EXPECT_EQ(actual.Generator1.Position, expected.Generator1.Position);
    EXPECT_EQ(actual.Generator2.Position, expected.Generator2.Position);
    ExpectSameFilter(actual.Filter1, expected.Filter1);
    ExpectSameFilter(actual.Filter2, expected.Filter2);
}

} // namespace bench_comparison
