#include "Bench.h"

DetectorBench Bench;

bool RunMeasurement(const MeasurementInputs& inputs, ResultDisplay& display)
{
    return Bench.RunMeasurement(inputs, display);
}
