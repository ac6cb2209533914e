#include "DetectorBench.h"

#include "Exercises.h"

namespace {

constexpr int32_t NoisePowerSamples = 5000;
// The noise-power run first fills the filter and then some.
constexpr int32_t WarmUpBeyondLength = 2;

} // namespace

DetectorBench::DetectorBench() = default;

DetectorBench::DetectorBench(uint32_t seed)
    : Noise(seed)
{
}

bool DetectorBench::RunMeasurement(const MeasurementInputs& inputs, ResultDisplay& display)
{
    Generator1.Shape = inputs.Signal1Shape;
    Filter1.Shape = inputs.Signal1Shape;
    Generator2.Shape = inputs.Signal2Shape;
    Filter2.Shape = inputs.Signal2Shape;
    Noise.Level = inputs.Gain;
    Threshold = inputs.Threshold;

    display_ = &display;
    struct Detach {
        DetectorBench& bench;
        ~Detach() { bench.display_ = nullptr; }
    } const detach{*this};

    const std::optional<Exercise> exercise = ExerciseChosenBy(inputs.Switches);
    if (!exercise) {
        Publish({});
        return false;
    }
    switch (*exercise) {
    case Exercise::NoisePower: MeasureNoisePower(); break;
    case Exercise::Detection: MeasureDetection(); break;
    case Exercise::FalseAlarms: MeasureFalseAlarms(); break;
    case Exercise::Distinction1: MeasureDistinction1(); break;
    case Exercise::Distinction2: MeasureDistinction2(); break;
    }
    return true;
}

void DetectorBench::MeasureNoisePower()
{
    Filter1.Reset();
    SquareSum.Clear();
    for (int32_t step = 0; step < Filter1.Length() + WarmUpBeyondLength; ++step)
        Filter1.Step(Noise.Sample());
    for (int32_t step = 0; step < NoisePowerSamples; ++step) {
        const double y = Filter1.Step(Noise.Sample());
        SquareSum.Add(y * y);
    }
    Publish({SquareSum.Value / NoisePowerSamples, 1, 0});
}

void DetectorBench::MeasureDetection()
{
    Counter = 0;
    for (int32_t trial = 0; trial < TrialCount; ++trial) {
        Generator1.Rewind();
        Filter1.Reset();
        for (int32_t step = 0; step < Generator1.Length; ++step) {
            const double signal = Generator1.NextSample();
            const double noise = Noise.Sample();
            Filter1.Step(signal + noise);
        }
        if (Filter1.Output.Value > Threshold)
            ++Counter;
    }
    Publish({0.0, TrialCount, Counter});
}

void DetectorBench::MeasureFalseAlarms()
{
    Counter = 0;
    for (int32_t trial = 0; trial < TrialCount; ++trial) {
        Filter1.Reset();
        for (int32_t step = 0; step < Generator1.Length; ++step)
            Filter1.Step(Noise.Sample());
        if (Filter1.Output.Value > Threshold)
            ++Counter;
    }
    Publish({0.0, TrialCount, Counter});
}

void DetectorBench::MeasureDistinction1()
{
    CountDistinctions(Generator1);
}

void DetectorBench::MeasureDistinction2()
{
    CountDistinctions(Generator2);
}

// Sends bursts of `sent` into both filters and counts the trials decided for
// signal 1. A trial has Generator1.Length samples, whichever signal is sent.
void DetectorBench::CountDistinctions(SignalGenerator& sent)
{
    Counter = 0;
    for (int32_t trial = 0; trial < TrialCount; ++trial) {
        sent.Rewind();
        Filter1.Reset();
        Filter2.Reset();
        for (int32_t step = 0; step < Generator1.Length; ++step) {
            const double signal = sent.NextSample();
            const double noise = Noise.Sample();
            const double received = signal + noise;
            Filter1.Step(received);
            Filter2.Step(received);
        }
        if (Filter1.Output.Value - Filter2.Output.Value > Threshold)
            ++Counter;
    }
    Publish({0.0, TrialCount, Counter});
}

void DetectorBench::Publish(const MeasurementResult& result)
{
    if (display_)
        display_->PublishResult(result.RegisterReading, result.Trials, result.Counter);
}
