// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The four test signals, amplitude 1, each burst in two parts.
enum SignalShape : int32_t {
    AllPlus = 1,   // +1 throughout
    PlusMinus = 2, // +1 then -1
    AllMinus = 3,  // -1 throughout
    MinusPlus = 4, // -1 then +1
};

// Samples in one burst of a test signal.
inline constexpr int32_t BurstLength = 50;
