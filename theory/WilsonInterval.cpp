// SPDX-License-Identifier: GPL-3.0-or-later
#include "WilsonInterval.h"

#include <algorithm>
#include <cmath>

namespace theory {

Interval WilsonInterval95(int64_t count, int64_t trials)
{
    if (trials <= 0)
        return {0.0, 1.0};
    const double n = static_cast<double>(trials);
    const double p = static_cast<double>(count) / n;
    const double z2 = Normal95 * Normal95;
    const double scale = 1.0 + z2 / n;
    const double centre = (p + z2 / (2.0 * n)) / scale;
    const double half = Normal95 / scale * std::sqrt(p * (1.0 - p) / n + z2 / (4.0 * n * n));
    // At the ends the bound is exactly 0 or 1, not a rounding away from it.
    const double low = count <= 0 ? 0.0 : std::max(0.0, centre - half);
    const double high = count >= trials ? 1.0 : std::min(1.0, centre + half);
    return {low, high};
}

} // namespace theory
