// SPDX-License-Identifier: GPL-3.0-or-later
#include "NoiseSource.h"

#include "NoiseTerms.h"

#include <ctime>

uint32_t ClockSeed()
{
    return static_cast<uint32_t>(std::time(nullptr));
}

NoiseSource::NoiseSource()
    : NoiseSource(ClockSeed())
{
}

NoiseSource::NoiseSource(uint32_t seed)
{
    Random.Seed(seed);
}

// Each term u - 0.5 has a resolution of 100 000 steps; the sum of 24 has
// variance about 2, which the division by the square root of 2 brings to 1.
double NoiseSource::Sample()
{
    double sum = 0.0;
    for (int32_t i = 0; i < DrawsPerSample; ++i) {
        const double u = static_cast<double>(Random.NextValue() % noise_terms::Steps) * noise_terms::Resolution;
        sum = sum + u - noise_terms::Mean;
    }
    return (Level * sum) / noise_terms::SquareRootOfTwo;
}
