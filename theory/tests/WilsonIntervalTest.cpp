// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/WilsonInterval.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace theory;

namespace {

// The Wilson bounds are the two p at which the score statistic
// (observed - p) / sqrt(p (1 - p) / n) equals -z and +z.
double Score(double observed, double p, double n)
{
    return (observed - p) / std::sqrt(p * (1.0 - p) / n);
}

} // namespace

TEST(WilsonInterval, BoundsAreWhereTheScoreTestJustRejects)
{
    for (const auto& [count, trials] : {std::pair<int64_t, int64_t>{1, 1000}, {22, 1000}, {478, 1000},
             {998, 1000}, {81, 263}, {3, 7}, {50000, 100000}}) {
        const Interval interval = WilsonInterval95(count, trials);
        const double p = static_cast<double>(count) / static_cast<double>(trials);
        const double n = static_cast<double>(trials);
        EXPECT_NEAR(Score(p, interval.Low, n), Normal95, 1e-9) << count << "/" << trials;
        EXPECT_NEAR(Score(p, interval.High, n), -Normal95, 1e-9) << count << "/" << trials;
        EXPECT_TRUE(interval.Contains(p));
    }
}

TEST(WilsonInterval, EndsStayInsideZeroToOneAndKeepTheirWidth)
{
    const Interval none = WilsonInterval95(0, 1000);
    EXPECT_EQ(none.Low, 0.0);
    const double z2 = Normal95 * Normal95;
    EXPECT_NEAR(none.High, z2 / (1000.0 + z2), 1e-15);
    const Interval all = WilsonInterval95(1000, 1000);
    EXPECT_EQ(all.High, 1.0);
    EXPECT_NEAR(all.Low, 1.0 - none.High, 1e-15);
    EXPECT_TRUE(all.Contains(1.0));
    EXPECT_FALSE(all.Contains(0.99));
    const Interval nothing = WilsonInterval95(0, 0);
    EXPECT_EQ(nothing.Low, 0.0);
    EXPECT_EQ(nothing.High, 1.0);
}
