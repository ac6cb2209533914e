// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SignalShape.h"

#include <cstdint>

// Produces one burst of a test signal, one sample per call. Shape is a
// SignalShape number; any other number gives a burst of zeros.
class SignalGenerator {
public:
    explicit SignalGenerator(int32_t shape, int32_t length = BurstLength);

    void Rewind();

    // The next sample of the burst; 0.0 with Position unchanged once the
    // burst is exhausted (or Position is negative).
    double NextSample();

    int32_t Length;
    int32_t Position = 0;
    int32_t Shape;
};
