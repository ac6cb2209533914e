// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace sweep {

// The range, tick spacing and label format of one axis of a picture.
struct AxisScale {
    double Min;
    double Max;
    double Step;             // 1, 2 or 5 times a power of ten; ticks are its multiples
    std::string LabelFormat; // printf-style, for one tick value
};

// An axis for values from `low` to `high` (finite, low <= high) with a little
// room at both ends and five to ten ticks, each tick a double apart from the
// next. A span too narrow for doubles at its values (50 to 50.00000000000001)
// is widened around its middle to one they can mark; the axis ends within a
// quarter of the largest double either side, so its width is a double too.
AxisScale ChooseAxisScale(double low, double high);

} // namespace sweep
