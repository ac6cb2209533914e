// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Accumulator.h"
#include "ComputePath.h"
#include "MatchedFilter.h"
#include "Measurement.h"
#include "NoiseSource.h"
#include "SignalGenerator.h"

#include <cstdint>
#include <optional>
#include <span>

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

    // The seed the random source was built with: a bench built anew with it
    // and given the same measurements in the same order publishes the same
    // results.
    uint32_t Seed() const { return seed_; }

    // Takes the shapes, gain and threshold, then runs the measurement the
    // switches choose and returns true; a configuration that is no exercise
    // publishes 0.0, 0, 0 and returns false.
    bool RunMeasurement(const MeasurementInputs& inputs, ResultDisplay& display);
    // The same measurement, for whoever wants its result rather than a
    // display: the result published, or nothing for a refused configuration
    // (which publishes 0.0, 0, 0 to the display, when one is given).
    std::optional<MeasurementResult> Measure(const MeasurementInputs& inputs, ResultDisplay* display = nullptr);

    void MeasureNoisePower();
    void MeasureDetection();
    void MeasureFalseAlarms();
    void MeasureDistinction1();
    void MeasureDistinction2();

    // Runs statistics.size() trials in a row of the counting measurement
    // that the switches of `inputs` choose, with its shapes and gain (its
    // threshold plays no part), and keeps each trial's decision statistic:
    // the value the measurement compares with the threshold. Run as a
    // measurement from the same random state, the same trials count exactly
    // the statistics above its threshold (CountAbove). The bench is left as
    // those trials leave it; Counter and Threshold keep their values.
    // Returns false, and changes nothing, when the switches choose no
    // counting measurement.
    bool DecisionStatistics(const MeasurementInputs& inputs, std::span<double> statistics);

    // The random draws one trial of a counting measurement takes: skipping
    // k times as many starts the k-th trial from now.
    uint64_t DrawsPerTrial() const;
    // The random draws a noise-power measurement takes.
    uint64_t DrawsPerNoisePower() const;

    NoiseSource Noise;
    SignalGenerator Generator1{AllPlus};
    SignalGenerator Generator2{PlusMinus};
    Accumulator SquareSum;
    MatchedFilter Filter1{AllPlus, Generator1.Length};
    MatchedFilter Filter2{PlusMinus, Generator2.Length};
    double Threshold = 0.0; // mV
    int32_t Counter = 0;
    // How the noise is computed: every path gives the same bits. A path
    // this CPU cannot run falls back to the scalar code.
    ComputePath Path = FastestComputePath();

    // What a trial of a counting measurement sends and decides on.
    struct CountingTrial;

private:
    void TakeShapesAndGain(const MeasurementInputs& inputs);
    void CountTrials(const CountingTrial& trial);
    void RunTrials(const CountingTrial& trial, std::span<double> statistics);
    double RunTrial(const CountingTrial& trial);
    void DrawNoise(std::span<double> samples);
    void Publish(const MeasurementResult& result);

    ResultDisplay* display_ = nullptr;
    MeasurementResult published_;
    uint32_t seed_;
};

// How many of `statistics` are strictly above `threshold`: the counter of
// a measurement with that threshold.
int64_t CountAbove(std::span<const double> statistics, double threshold);
