// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SweepSettings.h"
#include "bench/Measurement.h"
#include "theory/Experiment.h"

#include <cstdint>
#include <span>

namespace sweep {

// A curve's trials run in chunks of this many (the last may be shorter),
// each from its own jump ahead of the curve's seeded random state. The
// chunks, not the threads, divide the work, so every count is the same for
// any number of threads; a stop waits for the chunk in hand only.
inline constexpr int64_t ChunkTrials = 10000;

// What the bench is given for an experiment at one gain and threshold.
MeasurementInputs BenchInputs(const SweepSettings& settings, Experiment experiment, double gain, double threshold);

// The decision statistics of trials firstTrial, firstTrial + 1, ... of the
// counting experiment at `gain`, as a bench seeded with `seed` runs them from
// its start: the same values, bit for bit, however the trials are divided.
void CurveTrials(const SweepSettings& settings, Experiment experiment, double gain, uint32_t seed, int64_t firstTrial,
    std::span<double> statistics);

// Adds to counts[i] how many of the statistics are strictly above
// thresholds[i]: CountAbove for every threshold, at the cost of one sort of
// `statistics` (in place) and a binary search per threshold.
void AddCountsAbove(std::span<double> statistics, std::span<const double> thresholds, std::span<int64_t> counts);

} // namespace sweep
