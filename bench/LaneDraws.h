// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Accumulator.h"
#include "LaneKernel.h"
#include "MatchedFilter.h"
#include "NoiseSource.h"

#include <span>

// Draws from a noise source through a lane kernel: the same values, in the
// same order, and the same random state afterwards, as drawing them one
// sample at a time with NoiseSource::Sample.

// Fills `samples` with the source's next samples.
void DrawNoiseSamples(const LaneKernel& kernel, NoiseSource& noise, std::span<double> samples);

// The decision statistics of statistics.size() trials in a row, each drawing
// trial.Steps samples.
void DrawTrialStatistics(const LaneKernel& kernel, NoiseSource& noise, const LaneTrial& trial,
    std::span<double> statistics);

// Whether the kernel's noise-power run gives the filter's bits for this
// noise level. It does for every level whose samples and outputs stay
// finite; beyond, infinities make NaNs, and which NaN an operation passes on
// depends on how the compiler ordered its operands.
bool FiltersNoiseInLanes(const MatchedFilter& filter, double level);

// Steps `filter`, freshly reset, through `samples` of the source's next
// samples and sums the squares of its outputs after the first `warmUp`
// into `squares` (cleared): the filter, the sum and the random state end as
// stepping the filter sample by sample leaves them.
void FilterNoiseSamples(const LaneKernel& kernel, NoiseSource& noise, MatchedFilter& filter, int32_t samples,
    int32_t warmUp, Accumulator& squares);
