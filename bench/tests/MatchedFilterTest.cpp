// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/Bench.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <algorithm>
#include <deque>
#include <limits>
#include <utility>

namespace {

// The reference coefficient c[k] of a filter of length L, k steps back.
double Coefficient(int32_t shape, int32_t k, int32_t length)
{
    const bool recent = k < length / 2;
    switch (shape) {
    case 1: return 1.0;
    case 2: return recent ? -1.0 : 1.0;
    case 3: return -1.0;
    case 4: return recent ? 1.0 : -1.0;
    default: return 0.0;
    }
}

struct FilterCase {
    int32_t shape;
    int32_t length;
};

const FilterCase FilterCases[] = {
    {1, 50}, {2, 50}, {3, 50}, {4, 50},
    {1, 2}, {2, 2}, {4, 3}, {2, 7}, {3, 51}, {4, 51}, {1, 200}, {2, 200},
};

TEST(MatchedFilterTest, ImpulseResponseIsTheReferenceThenZero)
{
    for (const FilterCase& c : FilterCases) {
        SCOPED_TRACE(testing::Message() << "shape " << c.shape << ", length " << c.length);
        MatchedFilter filter(c.shape, c.length);
        filter.Reset();
        for (int32_t k = 0; k < c.length + 20; ++k) {
            const double expected = k < c.length ? Coefficient(c.shape, k, c.length) : 0.0;
            ASSERT_EQ(filter.Step(k == 0 ? 1.0 : 0.0), expected) << "output " << k;
        }
    }
}

// With whole-number inputs the running sum is exact, so it must equal the
// direct correlation of the last L inputs at every step.
TEST(MatchedFilterTest, RunningSumEqualsTheDirectCorrelation)
{
    for (const FilterCase& c : FilterCases) {
        SCOPED_TRACE(testing::Message() << "shape " << c.shape << ", length " << c.length);
        MatchedFilter filter(c.shape, c.length);
        filter.Reset();
        std::deque<double> recent;
        uint32_t pattern = 12345u;
        for (int step = 0; step < 3 * c.length + 100; ++step) {
            pattern = pattern * 1103515245u + 12345u;
            const double x = static_cast<double>(static_cast<int32_t>(pattern >> 16 & 0xFF) - 128);
            recent.push_front(x);
            if (recent.size() > static_cast<std::size_t>(c.length))
                recent.pop_back();
            double direct = 0.0;
            for (std::size_t k = 0; k < recent.size(); ++k)
                direct += Coefficient(c.shape, static_cast<int32_t>(k), c.length) * recent[k];
            ASSERT_EQ(filter.Step(x), direct) << "step " << step;
        }
    }
}

// Rows: filter shape; columns: burst shape. The generator splits after 24
// samples and the filter after 25, hence 48 and +-2.
TEST(MatchedFilterTest, NoiselessBurstsEndAtTheTableOutputs)
{
    const double outputs[4][4] = {
        {50, -2, -50, 2},
        {0, 48, 0, -48},
        {-50, 2, 50, -2},
        {0, -48, 0, 48},
    };
    for (int32_t filterShape = 1; filterShape <= 4; ++filterShape) {
        for (int32_t burstShape = 1; burstShape <= 4; ++burstShape) {
            SCOPED_TRACE(testing::Message() << "filter " << filterShape << ", burst " << burstShape);
            MatchedFilter filter(filterShape, BurstLength);
            SignalGenerator generator(burstShape);
            filter.Reset();
            for (int32_t i = 0; i < generator.Length; ++i)
                filter.Step(generator.NextSample());
            EXPECT_EQ(filter.Output.Value, outputs[filterShape - 1][burstShape - 1]);
        }
    }
}

TEST(MatchedFilterTest, RequestedLengthIsClamped)
{
    const std::pair<int32_t, int32_t> lengths[] = {
        {50, 50}, {200, 200}, {201, 200}, {250, 200}, {std::numeric_limits<int32_t>::max(), 200},
        {2, 2}, {1, 2}, {0, 2}, {-7, 2}, {std::numeric_limits<int32_t>::min(), 2},
    };
    for (const auto& [requested, clamped] : lengths)
        EXPECT_EQ(MatchedFilter(1, requested).Length(), clamped) << "requested " << requested;
}

TEST(MatchedFilterTest, DelayLineHoldsTheLastInputsNewestFirst)
{
    MatchedFilter filter(1, 50);
    filter.Reset();
    for (int i = 1; i <= 137; ++i)
        filter.Shift(i);
    for (int32_t slot = 0; slot < 50; ++slot)
        ASSERT_EQ(filter.Delayed(slot), 137 - slot) << "slot " << slot;
    EXPECT_EQ(filter.Delayed(-1), 0.0);
    EXPECT_EQ(filter.Delayed(50), 0.0);
}

TEST(MatchedFilterTest, ResetForgetsEarlierInputs)
{
    MatchedFilter filter(2, 50);
    filter.Reset();
    for (int i = 0; i < 77; ++i)
        filter.Step(i * 0.37);
    filter.Reset();
    EXPECT_EQ(filter.Output.Value, 0.0);
    for (int32_t slot = 0; slot < 50; ++slot)
        ASSERT_EQ(filter.Delayed(slot), 0.0);
    EXPECT_EQ(filter.Step(1.0), -1.0);
}

TEST(MatchedFilterTest, ShapeOutsideTheFourChangesNothing)
{
    for (const int32_t shape : {0, 5, -1, std::numeric_limits<int32_t>::min()}) {
        SCOPED_TRACE(shape);
        MatchedFilter filter(1, 50);
        filter.Reset();
        filter.Step(3.0);
        filter.Shape = shape;
        EXPECT_EQ(filter.Step(5.0), 3.0);
        EXPECT_EQ(filter.Output.Value, 3.0);
        EXPECT_EQ(filter.Delayed(0), 3.0);
        EXPECT_EQ(filter.Delayed(1), 0.0);
    }
}

} // namespace
