// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Experiment.h"
#include "WilsonInterval.h"

#include <cstdint>
#include <string_view>

namespace theory {

// What the bench published beside what theory predicts for it: how the sweep
// judges a point and the laboratory program's journal judges a measurement.
struct Comparison {
    // The frequency counter / trials with its 95% Wilson interval; for the
    // noise power, the reading with its 95% interval.
    double Observed = 0.0;
    Interval Range{0.0, 0.0};
    // The probability of a count, or the expected reading.
    double Theory = 0.0;
    // The decision statistic's mean and standard deviation; for a reading,
    // the expected reading and its spread from run to run.
    double ModelMean = 0.0;
    double ModelSpread = 0.0;
    // False where the noise is too fine for doubles (ModelResolvesNoise):
    // then there is no verdict.
    bool TheoryApplies = true;
    bool Consistent = false;
};

// The verdict in the words every window and table says it.
inline constexpr Wording ConsistentWord{"согласуется", "consistent"};
inline constexpr Wording InconsistentWord{"не согласуется", "inconsistent"};

// `trials` and `counter` are what the bench published, summed over its runs;
// for the noise-power exercise `trials` counts the runs and `reading` is the
// mean of their readings.
Comparison CompareWithTheory(Experiment experiment, int32_t signal1, int32_t signal2, double gain, double threshold,
    int64_t trials, int64_t counter, double reading);

} // namespace theory
