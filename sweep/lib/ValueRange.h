// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

namespace sweep {

// What keeps a range START:STOP:STEP from giving values.
enum class RangeProblem {
    None,
    StepNotPositive,
    Reversed,      // STOP below START
    TooManyValues, // more than the caller allows
};

struct ValueRange {
    std::vector<double> Values;
    RangeProblem Problem = RangeProblem::None;
};

// START, START + STEP, ... with STOP included when the steps reach it (a STOP
// that they miss by rounding alone still belongs to the range). Each value is
// rounded to 15 significant digits, all a double holds for certain, so that
// 0:1:0.1 gives 0.3 and not 0.30000000000000004. The command line's ranges
// and the window's give the same values.
ValueRange RangeValues(double start, double stop, double step, size_t maxValues);

} // namespace sweep
