// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bench.h"

DetectorBench Bench;

bool RunMeasurement(const MeasurementInputs& inputs, ResultDisplay& display)
{
    return Bench.RunMeasurement(inputs, display);
}
