// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace theory {

struct Interval {
    double Low;
    double High;

    bool Contains(double x) const { return Low <= x && x <= High; }
};

// The 95% Wilson score interval of a frequency of `count` in `trials`. It
// stays inside [0, 1] and is not empty at a count of 0 or of all trials,
// where the plain normal interval collapses to a point.
Interval WilsonInterval95(int64_t count, int64_t trials);

// The two-sided 95% point of the standard normal distribution.
inline constexpr double Normal95 = 1.959963984540054;

} // namespace theory
