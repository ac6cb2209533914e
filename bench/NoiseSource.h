// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RandomSource.h"

#include <cstdint>

// The calendar clock in whole seconds, as a seed of the random source.
uint32_t ClockSeed();

// Gaussian noise of standard deviation Level, each sample built from 24
// uniform draws of the random source.
class NoiseSource {
public:
    // Seeds the random source from the calendar clock.
    NoiseSource();
    explicit NoiseSource(uint32_t seed);

    double Sample();

    static constexpr int32_t DrawsPerSample = 24;

    RandomSource Random;
    double Level = 1.0;
};
