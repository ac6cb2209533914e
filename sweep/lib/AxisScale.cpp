// SPDX-License-Identifier: GPL-3.0-or-later
#include "AxisScale.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace sweep {

namespace {

// The narrowest span an axis shows, relative to its largest value: ticks a
// tenth of it apart still differ in their tenth significant digit.
constexpr double NarrowestRelativeSpan = 1e-9;
// Qt Charts takes a span or tick interval under 1e-12 for none and never
// finishes its layout: no axis is narrower than this.
constexpr double NarrowestSpan = 1e-9;
// Qt Charts needs the width of an axis to be a double too: values beyond
// this are off the axis.
constexpr double Farthest = DBL_MAX / 4.0;
// Tick values that would need more decimals than this are written as 1.5e-07.
constexpr int MostDecimals = 9;
constexpr double LargestFixed = 1e9;

// 1, 2 or 5 times a power of ten, at least `rough`.
double RoundStep(double rough)
{
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double multiple : {1.0, 2.0, 5.0})
        if (multiple * power >= rough)
            return multiple * power;
    return 10.0 * power;
}

int Decade(double value)
{
    return static_cast<int>(std::floor(std::log10(value) + 1e-9));
}

} // namespace

AxisScale ChooseAxisScale(double low, double high)
{
    if (!std::isfinite(low) || !std::isfinite(high) || low > high)
        return {0.0, 1.0, 0.2, "%.1f"};
    low = std::clamp(low, -Farthest, Farthest);
    high = std::clamp(high, -Farthest, Farthest);
    const double largest = std::max(std::abs(low), std::abs(high));
    const double narrowest = std::max(largest * NarrowestRelativeSpan, NarrowestSpan);
    if (high - low < narrowest) {
        const double middle = low / 2.0 + high / 2.0;
        low = middle - narrowest / 2.0;
        high = middle + narrowest / 2.0;
    }
    const double width = high - low;
    const double step = RoundStep(width / 5.0);
    const double pad = width * 0.02;
    AxisScale scale{low - pad, high + pad, step, {}};

    const int decimals = std::max(0, -Decade(step));
    const double magnitude = std::max(std::abs(scale.Min), std::abs(scale.Max));
    if (decimals <= MostDecimals && magnitude < LargestFixed) {
        scale.LabelFormat = "%." + std::to_string(decimals) + "f";
    } else {
        const int digits = std::clamp(Decade(magnitude) - Decade(step) + 1, 1, 17);
        scale.LabelFormat = "%." + std::to_string(digits) + "g";
    }
    return scale;
}

} // namespace sweep
