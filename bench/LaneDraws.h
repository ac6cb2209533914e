// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LaneKernel.h"
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
