#pragma once

#include "Accumulator.h"
#include "MatchedFilter.h"
#include "Measurement.h"
#include "NoiseSource.h"
#include "SignalGenerator.h"

#include <cstdint>

// The simulated bench: the noise source, the two test-signal generators, the
// two matched filters and the five measurements that the switches choose
// from. Each measurement publishes its result once, to the display handed to
// RunMeasurement; called directly, outside RunMeasurement, it publishes
// nowhere.
class DetectorBench {
public:
    // Seeds the random source from the calendar clock.
    DetectorBench();
    explicit DetectorBench(uint32_t seed);

    // Takes the shapes, gain and threshold, then runs the measurement the
    // switches choose and returns true; a configuration that is no exercise
    // publishes 0.0, 0, 0 and returns false.
    bool RunMeasurement(const MeasurementInputs& inputs, ResultDisplay& display);

    void MeasureNoisePower();
    void MeasureDetection();
    void MeasureFalseAlarms();
    void MeasureDistinction1();
    void MeasureDistinction2();

    NoiseSource Noise;
    SignalGenerator Generator1{AllPlus};
    SignalGenerator Generator2{PlusMinus};
    Accumulator SquareSum;
    MatchedFilter Filter1{AllPlus, Generator1.Length};
    MatchedFilter Filter2{PlusMinus, Generator2.Length};
    double Threshold = 0.0; // mV
    int32_t Counter = 0;

private:
    void CountDistinctions(SignalGenerator& sent);
    void Publish(const MeasurementResult& result);

    ResultDisplay* display_ = nullptr;
};
