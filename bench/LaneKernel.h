// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ComputePath.h"

#include <cstdint>

// The kernels behind the fast paths: noise and trials computed in the lanes
// of vector registers, one lane per trial (or per run of noise samples),
// each lane keeping every operation of the sample-by-sample code in its
// order, so that every value comes out bit for bit the same.

struct LaneFilter {
    int32_t Shape;
    int32_t Length;
};

// One trial of a counting measurement: a burst of Steps received samples
// into two freshly reset filters.
struct LaneTrial {
    const double* Signal; // the burst's Steps signal samples; null for noise alone
    int32_t Steps;
    LaneFilter Filter1;
    LaneFilter Filter2;
    bool Difference; // the statistic is Filter1 - Filter2, else Filter1 alone
};

struct LaneKernel {
    int32_t Lanes;
    // noise[i * Lanes + lane] = sample i of `lane`, whose samples are drawn
    // one after another from the random state starts[lane].
    void (*DrawNoise)(const uint64_t* starts, int32_t samples, double level, double* noise);
    // The decision statistic of each lane's trial, from Steps noise samples
    // per lane laid out as DrawNoise leaves them; the noise becomes the
    // filters' inputs.
    void (*Decide)(const LaneTrial& trial, double* noise, double* statistics);
};

// The kernel of a path, or null for the scalar path and for a path this CPU
// cannot run.
const LaneKernel* LaneKernelFor(ComputePath path);

extern const LaneKernel Sse2LaneKernel;
extern const LaneKernel Avx2LaneKernel;
extern const LaneKernel Avx512LaneKernel;
