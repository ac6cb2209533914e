// SPDX-License-Identifier: GPL-3.0-or-later
#include "ValueRange.h"

#include "common/text/NumberText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace sweep {

namespace {

double RangeValue(double start, double step, size_t index)
{
    const std::string text = GeneralText(start + static_cast<double>(index) * step, 15);
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

ValueRange RangeValues(double start, double stop, double step, size_t maxValues)
{
    if (!(step > 0.0))
        return {{}, RangeProblem::StepNotPositive};
    if (stop < start)
        return {{}, RangeProblem::Reversed};
    const double steps = (stop - start) / step;
    if (!std::isfinite(steps) || steps + 1.0 > static_cast<double>(maxValues))
        return {{}, RangeProblem::TooManyValues};
    const size_t count = static_cast<size_t>(std::floor(steps + 1e-9 * (1.0 + steps))) + 1;
    ValueRange range;
    range.Values.reserve(count);
    for (size_t i = 0; i < count; ++i)
        range.Values.push_back(RangeValue(start, step, i));
    return range;
}

} // namespace sweep
