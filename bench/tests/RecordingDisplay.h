// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/Measurement.h"

#include <vector>

// Keeps every result published to it.
class RecordingDisplay : public ResultDisplay {
public:
    void PublishResult(double registerReading, int32_t trials, int32_t counter) override
    {
        Published.push_back({registerReading, trials, counter});
    }

    std::vector<MeasurementResult> Published;
};
