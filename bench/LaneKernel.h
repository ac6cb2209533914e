// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ComputePath.h"

#include <cstdint>

// The kernels behind the fast paths: noise and trials computed in the lanes
// of vector registers, one lane per trial (or every Lanes-th noise sample),
// each lane keeping every operation of the sample-by-sample code in its
// order, so that every value comes out bit for bit the same. Sums that run
// along the samples (a filter's output, the noise power's sum of squares)
// are added up one sample at a time, in order.

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

// The noise-power run: Samples noise samples drawn one after another from
// the random state State, fed one by one to a freshly reset filter whose
// outputs after the first WarmUp are squared and summed in order.
struct LaneNoiseRun {
    uint64_t State;
    double Level;
    LaneFilter Filter; // of shape 1 to 4
    int32_t Samples;
    int32_t WarmUp;
};

struct LaneNoiseResult {
    double Output;  // the filter's output after the last sample
    double Squares; // the sum of the squared outputs
};

struct LaneKernel {
    int32_t Lanes;
    // noise[i * Lanes + lane] = sample i of `lane`, whose samples lie
    // `stride` samples apart in the source's sequence, the first drawn from
    // the random state starts[lane]. With stride 1 each lane draws a run of
    // consecutive samples; with stride Lanes and lane k starting k samples
    // on, noise holds the source's samples in order.
    void (*DrawNoise)(const uint64_t* starts, int32_t samples, int32_t stride, double level, double* noise);
    // The decision statistic of each lane's trial, from Steps noise samples
    // per lane laid out as DrawNoise leaves them; the noise becomes the
    // filters' inputs.
    void (*Decide)(const LaneTrial& trial, double* noise, double* statistics);
    // The noise-power run, every sum in the scalar code's order. `inputs`
    // has room for Filter.Length + NoiseRunSlots(Samples) values; it is left
    // holding Filter.Length zeros (the reset delay line), then the samples.
    LaneNoiseResult (*FilterNoise)(const LaneNoiseRun& run, double* inputs);

    // The samples a noise-power run of `samples` draws: whole steps of the lanes.
    int32_t NoiseRunSlots(int32_t samples) const { return (samples + Lanes - 1) / Lanes * Lanes; }
};

// The kernel of a path, or null for the scalar path and for a path this CPU
// cannot run.
const LaneKernel* LaneKernelFor(ComputePath path);

extern const LaneKernel Sse2LaneKernel;
extern const LaneKernel Avx2LaneKernel;
extern const LaneKernel Avx512LaneKernel;
