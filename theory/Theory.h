// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Experiment.h"

#include <cstdint>
#include <vector>

namespace theory {

// What detection theory predicts for the bench, worked out from the bench's
// own generators and filters and from the exact make-up of its noise.

// Moments of one noise sample at gain 1: the sum of 24 terms k * 0.00001 - 0.5
// (k uniform on 0 .. 99999), divided by the square root of 2.
struct NoiseMoments {
    double Mean;          // 24 * -0.000005 / sqrt(2)
    double Variance;      // 24 * (1e10 - 1) / 12e10 / 2
    double FourthCumulant; // 24 * -(1 - 1e-20) / 120 / 4
};
NoiseMoments UnitNoise();

// c[k], the weight a filter of this shape gives the input k steps back: its
// response to a single 1.0 after a reset, read from the bench's own filter.
std::vector<double> FilterWeights(int32_t shape);

// The output of a reset filter after one noiseless burst of a test signal,
// both of the bench's length (the 4 x 4 table: 50, 48, 0, -2, ...).
double NoiselessOutput(int32_t filterShape, int32_t burstShape);

// The decision statistic of a counting exercise is linear in the noise, a
// weighted sum of 50 samples of nearly Gaussian noise: normal with this
// mean and standard deviation.
struct StatisticModel {
    double Mean;
    double StandardDeviation;
};
StatisticModel DecisionStatistic(Experiment experiment, int32_t signal1, int32_t signal2, double gain);

// Whether the normal model describes the statistic as the bench computes it.
// In doubles the statistic takes values one step of a double (at its
// noiseless value T0) apart; the model needs the noise to span thousands of
// those steps. At fewer than MinNoiseSteps the lattice moves a frequency by up
// to 0.4 / MinNoiseSteps, a tenth of what 10^6 trials resolve, and far more
// below: at K = 1e-15 the noise spans about one step and half the crossings
// are lost. Without noise (K = 0) the model is exact.
inline constexpr double MinNoiseSteps = 4096.0;
bool ModelResolvesNoise(const StatisticModel& statistic);

// Probability that the statistic is strictly above the threshold.
double CrossingProbability(const StatisticModel& statistic, double threshold);

// The noise-power reading: the mean of 5000 squared outputs of Filter1 on
// noise alone, and its spread from run to run. The outputs overlap in 49 of
// their 50 inputs, so the spread is far wider than for independent outputs.
struct ReadingModel {
    double Expected;
    double StandardDeviation;
};
ReadingModel NoisePowerReading(int32_t signal1, double gain);

} // namespace theory
