// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep/lib/AxisScale.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <set>
#include <string>

using namespace sweep;

namespace {

// The labels a chart puts on the axis: ticks at multiples of the step, from
// the first one in range up to the end, as Qt Charts walks them.
std::set<std::string> Labels(const AxisScale& scale, size_t& ticks)
{
    std::set<std::string> labels;
    ticks = 0;
    double value = -std::floor(-scale.Min / scale.Step) * scale.Step;
    while (value <= scale.Max && ticks < 100) {
        char text[400];
        std::snprintf(text, sizeof text, scale.LabelFormat.c_str(), value);
        labels.insert(text);
        const double next = value + scale.Step;
        if (next <= value)
            break;
        value = next;
        ++ticks;
    }
    return labels;
}

} // namespace

TEST(AxisScale, AnyFiniteSpanGetsAFewDistinctTicksThatAdvance)
{
    const std::pair<double, double> rows[] = {
        {0, 100}, {-20, 60}, {0.9, 1.1}, {0, 1},
        {50, 50.00000000000001}, {999.9999999999999, 1000}, {49, 51},
        {1e300, 1e300}, {-1.7e308, 1.7e308}, {-DBL_MAX, DBL_MAX}, {DBL_MAX, DBL_MAX},
        {0, 1e-320}, {5e-324, 1e-323}, {0, 0}, {-1e-300, 1e-300}, {1e15, 1e15 + 0.125},
    };
    for (const auto& [low, high] : rows) {
        const AxisScale scale = ChooseAxisScale(low, high);
        const std::string name = std::to_string(low) + " to " + std::to_string(high);
        ASSERT_TRUE(std::isfinite(scale.Max - scale.Min) && std::isfinite(scale.Step)) << name;
        EXPECT_GT(scale.Step, 1e-12) << name; // Qt Charts takes less for none
        EXPECT_LE(scale.Min, std::max(low, -DBL_MAX / 4)) << name;
        EXPECT_GE(scale.Max, std::min(high, DBL_MAX / 4)) << name;
        size_t ticks = 0;
        const std::set<std::string> labels = Labels(scale, ticks);
        EXPECT_TRUE(ticks >= 3 && ticks <= 12) << name << ": " << ticks;
        EXPECT_EQ(labels.size(), ticks) << name << ": " << scale.LabelFormat;
        EXPECT_LE(labels.begin()->size(), 24u) << name << ": " << *labels.begin();
    }
    const AxisScale usual = ChooseAxisScale(-20, 60);
    EXPECT_EQ(usual.Step, 20.0);
    EXPECT_EQ(usual.LabelFormat, "%.0f");
    EXPECT_NEAR(usual.Min, -21.6, 1e-12);
}
