// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SweepSettings.h"
#include "theory/Experiment.h"
#include "theory/TheoryComparison.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace sweep {

// One grid point: an experiment at one gain and threshold. The points of one
// experiment and gain form a curve: its thresholds share one run of trials
// (common random numbers) from a bench seeded with the curve's seed.
struct SweepPoint {
    Experiment Kind;
    size_t Index;      // within its experiment: gain-major, then threshold
    double Gain;
    double Threshold;  // not used by the noise-power exercise
    uint32_t Seed;     // the curve's
};

// A point's results beside theory (the Comparison they make).
struct PointResult : theory::Comparison {
    SweepPoint Point;
    // What the bench published, summed over its runs of 1000 trials (a
    // noise-power point: its runs, and the mean of their readings).
    int64_t Trials = 0;
    int64_t Counter = 0;
    double Reading = 0.0;
};

// How a caller follows a running sweep and stops it.
struct SweepWatch {
    // Non-zero (the number of the signal that asked, say): every worker stops
    // after the chunk of trials in hand, and the results are incomplete.
    const std::atomic<int>* Stop = nullptr;
    // Points done so far; a long curve's count in proportion to its chunks.
    std::atomic<size_t> PointsDone{0};
    // Chunks of trials done so far, of Chunks in all (a noise-power point is
    // one chunk): finer than the points where curves have few points.
    std::atomic<size_t> ChunksDone{0};
    std::atomic<size_t> Chunks{0};

    bool Stopped() const { return Stop != nullptr && Stop->load() != 0; }
};

// The seed of a curve's bench, from the base seed, the experiment and the
// gain's place in the gain list: the same for a curve whatever else the
// sweep holds and however many threads run it.
uint32_t CurveSeed(uint32_t baseSeed, Experiment experiment, size_t gainIndex);

std::vector<SweepPoint> PlanSweep(const SweepSettings& settings, uint32_t baseSeed);

// Runs the bench's own measurement for one point, Trials / 1000 times in a
// row from the curve's seed, as a student pressing the measurement button
// would; between runs it stops when `stop` is non-zero. A sweep counts each
// point of a curve exactly as this would.
PointResult RunPoint(const SweepSettings& settings, const SweepPoint& point, const std::atomic<int>* stop = nullptr);

// Runs every curve once, its trials split into chunks that `threads`
// workers share; results in the order of the plan.
std::vector<PointResult> RunSweep(const SweepSettings& settings, uint32_t baseSeed, int threads,
    SweepWatch* watch = nullptr);

} // namespace sweep
