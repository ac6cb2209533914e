// SPDX-License-Identifier: GPL-3.0-or-later
#include "DetectorBench.h"

#include "Exercises.h"
#include "LaneDraws.h"

#include <algorithm>
#include <array>
#include <vector>

struct DetectorBench::CountingTrial {
    SignalGenerator DetectorBench::*Sent; // null: noise alone, added to nothing
    bool Difference;                       // Filter1 - Filter2, else Filter1 alone
};

namespace {

constexpr int32_t NoisePowerSamples = 5000;
// The noise-power run first fills the filter and then some.
constexpr int32_t WarmUpBeyondLength = 2;

using CountingTrial = DetectorBench::CountingTrial;

constexpr CountingTrial DetectionTrial{&DetectorBench::Generator1, false};
constexpr CountingTrial FalseAlarmTrial{nullptr, false};
constexpr CountingTrial Distinction1Trial{&DetectorBench::Generator1, true};
constexpr CountingTrial Distinction2Trial{&DetectorBench::Generator2, true};

// The trial of the counting exercise the switches choose; none for the
// noise-power exercise or a refused combination.
const CountingTrial* CountingTrialFor(const SwitchConfiguration& switches)
{
    const std::optional<Exercise> exercise = ExerciseChosenBy(switches);
    if (!exercise)
        return nullptr;
    switch (*exercise) {
    case Exercise::NoisePower: return nullptr;
    case Exercise::Detection: return &DetectionTrial;
    case Exercise::FalseAlarms: return &FalseAlarmTrial;
    case Exercise::Distinction1: return &Distinction1Trial;
    case Exercise::Distinction2: return &Distinction2Trial;
    }
    return nullptr;
}

// The fast paths keep a burst's filter inputs per lane. Bursts longer than
// the longest filter (only a changed generator length makes them) run
// sample by sample.
constexpr int32_t MaxLaneSteps = MatchedFilter::MaxLength;

} // namespace

DetectorBench::DetectorBench()
    : DetectorBench(ClockSeed())
{
}

DetectorBench::DetectorBench(uint32_t seed)
    : Noise(seed)
    , seed_(seed)
{
}

void DetectorBench::TakeShapesAndGain(const MeasurementInputs& inputs)
{
    Generator1.Shape = inputs.Signal1Shape;
    Filter1.Shape = inputs.Signal1Shape;
    Generator2.Shape = inputs.Signal2Shape;
    Filter2.Shape = inputs.Signal2Shape;
    Noise.Level = inputs.Gain;
}

bool DetectorBench::RunMeasurement(const MeasurementInputs& inputs, ResultDisplay& display)
{
    return Measure(inputs, &display).has_value();
}

std::optional<MeasurementResult> DetectorBench::Measure(const MeasurementInputs& inputs, ResultDisplay* display)
{
    TakeShapesAndGain(inputs);
    Threshold = inputs.Threshold;

    display_ = display;
    struct Detach {
        DetectorBench& bench;
        ~Detach() { bench.display_ = nullptr; }
    } const detach{*this};

    const std::optional<Exercise> exercise = ExerciseChosenBy(inputs.Switches);
    if (!exercise) {
        Publish({});
        return std::nullopt;
    }
    switch (*exercise) {
    case Exercise::NoisePower: MeasureNoisePower(); break;
    case Exercise::Detection: MeasureDetection(); break;
    case Exercise::FalseAlarms: MeasureFalseAlarms(); break;
    case Exercise::Distinction1: MeasureDistinction1(); break;
    case Exercise::Distinction2: MeasureDistinction2(); break;
    }
    return published_;
}

bool DetectorBench::DecisionStatistics(const MeasurementInputs& inputs, std::span<double> statistics)
{
    const CountingTrial* trial = CountingTrialFor(inputs.Switches);
    if (!trial)
        return false;
    TakeShapesAndGain(inputs);
    RunTrials(*trial, statistics);
    return true;
}

uint64_t DetectorBench::DrawsPerTrial() const
{
    return static_cast<uint64_t>(std::max(Generator1.Length, 0)) * NoiseSource::DrawsPerSample;
}

uint64_t DetectorBench::DrawsPerNoisePower() const
{
    const int32_t samples = Filter1.Length() + WarmUpBeyondLength + NoisePowerSamples;
    return static_cast<uint64_t>(samples) * NoiseSource::DrawsPerSample;
}

void DetectorBench::DrawNoise(std::span<double> samples)
{
    if (const LaneKernel* kernel = LaneKernelFor(Path)) {
        DrawNoiseSamples(*kernel, Noise, samples);
        return;
    }
    for (double& sample : samples)
        sample = Noise.Sample();
}

void DetectorBench::MeasureNoisePower()
{
    Filter1.Reset();
    SquareSum.Clear();
    const int32_t warmUp = Filter1.Length() + WarmUpBeyondLength;
    const int32_t samples = warmUp + NoisePowerSamples;
    const LaneKernel* kernel = LaneKernelFor(Path);
    if (kernel && FiltersNoiseInLanes(Filter1, Noise.Level)) {
        FilterNoiseSamples(*kernel, Noise, Filter1, samples, warmUp, SquareSum);
    } else {
        std::vector<double> noise(static_cast<size_t>(samples));
        DrawNoise(noise);
        for (int32_t step = 0; step < warmUp; ++step)
            Filter1.Step(noise[static_cast<size_t>(step)]);
        for (int32_t step = warmUp; step < samples; ++step) {
            const double y = Filter1.Step(noise[static_cast<size_t>(step)]);
            SquareSum.Add(y * y);
        }
    }
    Publish({SquareSum.Value / NoisePowerSamples, 1, 0});
}

void DetectorBench::MeasureDetection()
{
    CountTrials(DetectionTrial);
}

void DetectorBench::MeasureFalseAlarms()
{
    CountTrials(FalseAlarmTrial);
}

void DetectorBench::MeasureDistinction1()
{
    CountTrials(Distinction1Trial);
}

void DetectorBench::MeasureDistinction2()
{
    CountTrials(Distinction2Trial);
}

void DetectorBench::CountTrials(const CountingTrial& trial)
{
    std::array<double, TrialCount> statistics;
    RunTrials(trial, statistics);
    Counter = static_cast<int32_t>(CountAbove(statistics, Threshold));
    Publish({0.0, TrialCount, Counter});
}

// A fast path computes all trials but the last in its lanes. The last one,
// like every trial of the scalar path, runs through the bench's own
// generator and filters, which it leaves as the measurement always has.
void DetectorBench::RunTrials(const CountingTrial& trial, std::span<double> statistics)
{
    std::span<double> sampleBySample = statistics;
    const LaneKernel* kernel = LaneKernelFor(Path);
    if (kernel && statistics.size() > 1 && Generator1.Length <= MaxLaneSteps) {
        const int32_t steps = std::max(Generator1.Length, 0);
        std::vector<double> signal;
        if (trial.Sent) {
            SignalGenerator burst = this->*trial.Sent;
            burst.Rewind();
            for (int32_t step = 0; step < steps; ++step)
                signal.push_back(burst.NextSample());
        }
        const LaneTrial lanes{trial.Sent ? signal.data() : nullptr, steps, {Filter1.Shape, Filter1.Length()},
            {Filter2.Shape, Filter2.Length()}, trial.Difference};
        DrawTrialStatistics(*kernel, Noise, lanes, statistics.first(statistics.size() - 1));
        sampleBySample = statistics.last(1);
    }
    for (double& statistic : sampleBySample)
        statistic = RunTrial(trial);
}

// One burst into freshly reset filters; its statistic is read after the
// burst's last sample. The signal sample is drawn before the noise sample.
double DetectorBench::RunTrial(const CountingTrial& trial)
{
    Filter1.Reset();
    if (!trial.Sent) {
        for (int32_t step = 0; step < Generator1.Length; ++step)
            Filter1.Step(Noise.Sample());
        return Filter1.Output.Value;
    }
    SignalGenerator& sent = this->*trial.Sent;
    sent.Rewind();
    if (trial.Difference)
        Filter2.Reset();
    // A trial has Generator1.Length samples, whichever signal is sent.
    for (int32_t step = 0; step < Generator1.Length; ++step) {
        const double signal = sent.NextSample();
        const double noise = Noise.Sample();
        const double received = signal + noise;
        Filter1.Step(received);
        if (trial.Difference)
            Filter2.Step(received);
    }
    return trial.Difference ? Filter1.Output.Value - Filter2.Output.Value : Filter1.Output.Value;
}

void DetectorBench::Publish(const MeasurementResult& result)
{
    published_ = result;
    if (display_)
        display_->PublishResult(result.RegisterReading, result.Trials, result.Counter);
}

int64_t CountAbove(std::span<const double> statistics, double threshold)
{
    return std::count_if(statistics.begin(), statistics.end(), [&](double s) { return s > threshold; });
}
