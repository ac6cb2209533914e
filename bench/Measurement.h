// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Switch positions as 0-based item indexes: K1 0 to 2, K2 and K3 0 or 1.
struct SwitchConfiguration {
    int32_t K1Index = 0;
    int32_t K2Index = 0;
    int32_t K3Index = 0;

    bool operator==(const SwitchConfiguration&) const = default;
};

// What one measurement is given; the defaults are the bench's settings at
// program start.
struct MeasurementInputs {
    int32_t Signal1Shape = 1;
    int32_t Signal2Shape = 2;
    double Gain = 1.0;
    double Threshold = 0.0; // mV
    SwitchConfiguration Switches;
};

struct MeasurementResult {
    double RegisterReading = 0.0; // mV squared
    int32_t Trials = 0;
    int32_t Counter = 0;
};

// Where a measurement leaves its result: the main window.
class ResultDisplay {
public:
    virtual ~ResultDisplay();
    virtual void PublishResult(double registerReading, int32_t trials, int32_t counter) = 0;
};

// Trials of every counting measurement.
inline constexpr int32_t TrialCount = 1000;
