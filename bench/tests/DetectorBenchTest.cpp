// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingDisplay.h"
#include "ReferenceBench.h"
#include "bench/Bench.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace {

using reference::Bits;

constexpr int32_t Largest = std::numeric_limits<int32_t>::max();
constexpr int32_t Smallest = std::numeric_limits<int32_t>::min();
constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();

constexpr SwitchConfiguration Distinction1{0, 0, 0};
constexpr SwitchConfiguration Detection{0, 1, 0};
constexpr SwitchConfiguration Distinction2{1, 0, 0};
constexpr SwitchConfiguration FalseAlarms{2, 1, 0};
constexpr SwitchConfiguration NoisePower{2, 1, 1};

const SwitchConfiguration Refused[] = {
    {0, 0, 1}, {0, 1, 1}, {1, 0, 1}, {1, 1, 0}, {1, 1, 1}, {2, 0, 0}, {2, 0, 1},
    {-1, 0, 0}, {3, 1, 0}, {0, 2, 0}, {2, 1, 2}, {0, -1, 0}, {2, 1, -1},
    {Largest, Largest, Largest}, {Smallest, Smallest, Smallest}, {Smallest, 1, 0},
};

MeasurementInputs Inputs(SwitchConfiguration switches, double gain = 1.0, double threshold = 0.0,
    int32_t shape1 = 1, int32_t shape2 = 2)
{
    return {shape1, shape2, gain, threshold, switches};
}

::testing::Message Describe(const MeasurementInputs& in)
{
    return ::testing::Message() << "switches " << in.Switches.K1Index << ' ' << in.Switches.K2Index << ' '
                                << in.Switches.K3Index << ", shapes " << in.Signal1Shape << ' '
                                << in.Signal2Shape << ", K " << in.Gain << ", H " << in.Threshold;
}

void ExpectSameResult(const MeasurementResult& actual, const MeasurementResult& expected)
{
    EXPECT_EQ(Bits(actual.RegisterReading), Bits(expected.RegisterReading));
    EXPECT_EQ(actual.Trials, expected.Trials);
    EXPECT_EQ(actual.Counter, expected.Counter);
}

// Runs one measurement and returns its one published result.
MeasurementResult Measure(DetectorBench& bench, const MeasurementInputs& inputs, bool expectRun = true)
{
    RecordingDisplay display;
    EXPECT_EQ(bench.RunMeasurement(inputs, display), expectRun);
    EXPECT_EQ(display.Published.size(), 1u);
    return display.Published.empty() ? MeasurementResult{} : display.Published.front();
}

TEST(DetectorBenchTest, StartsWithTheBenchSettings)
{
    const DetectorBench bench(1u);
    EXPECT_EQ(bench.Noise.Level, 1.0);
    EXPECT_EQ(bench.Noise.Random.State, 22695478u);
    EXPECT_EQ(bench.Generator1.Shape, 1);
    EXPECT_EQ(bench.Generator2.Shape, 2);
    EXPECT_EQ(bench.Filter1.Shape, 1);
    EXPECT_EQ(bench.Filter2.Shape, 2);
    for (const SignalGenerator* generator : {&bench.Generator1, &bench.Generator2}) {
        EXPECT_EQ(generator->Length, 50);
        EXPECT_EQ(generator->Position, 0);
    }
    EXPECT_EQ(bench.Filter1.Length(), 50);
    EXPECT_EQ(bench.Filter2.Length(), 50);
    EXPECT_EQ(bench.Threshold, 0.0);
    EXPECT_EQ(bench.Counter, 0);
}

// Whole measurements against the plain model: the same seed must give the
// same published numbers, bit for bit, and leave the random source in the
// same state, through a sequence of measurements on one bench.
TEST(DetectorBenchTest, MeasurementsMatchThePlainModelBitForBit)
{
    const MeasurementInputs sequence[] = {
        Inputs(Distinction1),
        Inputs(Detection, 3.0, 50.0),
        Inputs(Distinction2, 2.0, -10.0, 2, 4),
        Inputs(FalseAlarms, 1.0, 0.0),
        Inputs(NoisePower, 1.0),
        Inputs(Distinction1, 7.5, 1.5, 4, 2),
        Inputs(Detection, 1.0, 47.9, 2),
        Inputs(NoisePower, 13.0, 0.0, 3, 3),
        Inputs(Distinction2, 0.5, 3.0, 1, 3),
        Inputs(FalseAlarms, 4.0, 20.0, 3),
        Inputs(Distinction1, 0.0, 0.0, 0, 5),
        Inputs(Detection, -2.0, -40.0, Smallest, Largest),
        Inputs(NoisePower, NotANumber, NotANumber),
        Inputs(Distinction2, Infinity, Infinity),
        Inputs(FalseAlarms, 1e308, -Infinity),
        Inputs(NoisePower, 1e200),
        Inputs({1, 1, 1}, 2.0, 5.0, 3, 4),
        Inputs(Distinction1, 1000.0, 1000.0),
    };
    for (const uint32_t seed : {0u, 1u, 4242u}) {
        DetectorBench bench(seed);
        reference::Bench plain(seed);
        for (const MeasurementInputs& inputs : sequence) {
            SCOPED_TRACE(Describe(inputs) << ", seed " << seed);
            const std::optional<MeasurementResult> expected = plain.Run(inputs);
            const MeasurementResult actual = Measure(bench, inputs, expected.has_value());
            ExpectSameResult(actual, expected.value_or(MeasurementResult{}));
            ASSERT_EQ(bench.Noise.Random.State, plain.noise.random.State());
        }
    }
}

// A refusal publishes zeros and runs nothing, also right after a successful
// measurement; the shapes, gain and threshold it was given stay in the bench.
TEST(DetectorBenchTest, ConfigurationsOutsideTheExercisesAreRefused)
{
    for (const SwitchConfiguration& switches : Refused) {
        const MeasurementInputs refused = Inputs(switches, 3.5, 12.0, 4, 3);
        SCOPED_TRACE(Describe(refused));
        DetectorBench bench(8u);
        const MeasurementResult earlier = Measure(bench, Inputs(Detection, 1.0, 50.0));
        ASSERT_EQ(earlier.Trials, TrialCount);
        const uint64_t stateBefore = bench.Noise.Random.State;
        const int32_t counterBefore = bench.Counter;

        ExpectSameResult(Measure(bench, refused, false), {0.0, 0, 0});
        EXPECT_EQ(bench.Noise.Random.State, stateBefore);
        EXPECT_EQ(bench.Counter, counterBefore);
        EXPECT_EQ(bench.Noise.Level, 3.5);
        EXPECT_EQ(bench.Threshold, 12.0);
        EXPECT_EQ(bench.Generator1.Shape, 4);
        EXPECT_EQ(bench.Filter1.Shape, 4);
        EXPECT_EQ(bench.Generator2.Shape, 3);
        EXPECT_EQ(bench.Filter2.Shape, 3);
    }
}

struct NoiselessCase {
    SwitchConfiguration switches;
    int32_t shape1;
    int32_t shape2;
    double threshold;
    int32_t counter;
};

// Without noise every trial gives the same statistic, and only a statistic
// strictly above the threshold counts.
const NoiselessCase NoiselessCases[] = {
    {Detection, 1, 2, 49.9, 1000}, {Detection, 1, 2, 50.0, 0},
    {Detection, 2, 1, 47.9, 1000}, {Detection, 2, 1, 48.0, 0},
    {Detection, 4, 1, 47.9, 1000}, {Detection, 4, 1, 48.0, 0},
    {Detection, 3, 1, 49.9, 1000}, {Detection, 3, 1, 50.0, 0},
    {Detection, 7, 1, -0.1, 1000}, {Detection, 7, 1, 0.0, 0},
    {FalseAlarms, 1, 2, -0.1, 1000}, {FalseAlarms, 1, 2, 0.0, 0},
    // signal 1 sent: 50 - 0 = 50; signal 2 sent: -2 - 48 = -50
    {Distinction1, 1, 2, 49.9, 1000}, {Distinction1, 1, 2, 50.0, 0},
    {Distinction2, 1, 2, -50.1, 1000}, {Distinction2, 1, 2, -50.0, 0},
    // shapes 2 and 4: 48 - (-48) = 96 and -48 - 48 = -96
    {Distinction1, 2, 4, 95.9, 1000}, {Distinction1, 2, 4, 96.0, 0},
    {Distinction2, 2, 4, -96.1, 1000}, {Distinction2, 2, 4, -96.0, 0},
};

TEST(DetectorBenchTest, LevelZeroMakesEveryTrialAlike)
{
    for (const NoiselessCase& c : NoiselessCases) {
        const MeasurementInputs inputs = Inputs(c.switches, 0.0, c.threshold, c.shape1, c.shape2);
        SCOPED_TRACE(Describe(inputs));
        DetectorBench bench(9u);
        ExpectSameResult(Measure(bench, inputs), {0.0, TrialCount, c.counter});
    }
    DetectorBench bench(9u);
    ExpectSameResult(Measure(bench, Inputs(NoisePower, 0.0)), {0.0, 1, 0});
}

// With K = 1 and H = 0 the difference of the filters has mean 50 when signal 1
// is sent, -50 for signal 2, and standard deviation 10: a wrong decision is a
// 5-sigma event. Filter 1 on noise alone is above 0 with probability one
// half: 500 +- 5 x 15.8.
TEST(DetectorBenchTest, CountsFollowTheirProbabilities)
{
    for (const uint32_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        DetectorBench bench(seed);
        EXPECT_GE(Measure(bench, Inputs(Distinction1)).Counter, 995);
        EXPECT_LE(Measure(bench, Inputs(Distinction2)).Counter, 5);
        EXPECT_NEAR(Measure(bench, Inputs(FalseAlarms)).Counter, 500, 80);
    }
}

// The 5000 outputs of a 50-tap filter are strongly correlated: the reading
// has mean 50 K^2 and a standard deviation of about 5.8 at K = 1
// (sqrt(2 x 2500 x 33.3 / 5000)). Forty runs on one bench: their mean within
// five standard errors of 50, their spread near 5.8, no two alike.
TEST(DetectorBenchTest, NoisePowerScattersAroundFiftyTimesTheGainSquared)
{
    constexpr int Runs = 40;
    const double expectedSpread = 5.77;
    for (const uint32_t seed : {21u, 22u}) {
        SCOPED_TRACE(seed);
        DetectorBench bench(seed);
        std::vector<double> readings;
        for (int run = 0; run < Runs; ++run)
            readings.push_back(Measure(bench, Inputs(NoisePower)).RegisterReading);
        double sum = 0.0;
        double sumOfSquares = 0.0;
        for (const double reading : readings) {
            sum += reading;
            sumOfSquares += reading * reading;
        }
        const double mean = sum / Runs;
        const double spread = std::sqrt((sumOfSquares - Runs * mean * mean) / (Runs - 1));
        EXPECT_NEAR(mean, 50.0, 5 * expectedSpread / std::sqrt(Runs));
        EXPECT_GT(spread, 0.4 * expectedSpread);
        EXPECT_LT(spread, 1.6 * expectedSpread);
        for (int run = 1; run < Runs; ++run)
            EXPECT_NE(readings[static_cast<std::size_t>(run)], readings[static_cast<std::size_t>(run - 1)]);
    }
    DetectorBench bench(23u);
    EXPECT_NEAR(Measure(bench, Inputs(NoisePower, 3.0)).RegisterReading, 450.0, 9 * 5 * 5.77);
}

// Procedures called outside RunMeasurement have no display and publish nowhere.
TEST(DetectorBenchTest, ProceduresRunOnTheirOwnWithoutADisplay)
{
    DetectorBench bench(31u);
    bench.Noise.Level = 0.0;
    bench.MeasureDetection();
    EXPECT_EQ(bench.Counter, TrialCount);
    bench.MeasureNoisePower();
    EXPECT_EQ(bench.SquareSum.Value, 0.0);
}

// A bench knows its seed, the clock's too: a bench built anew with it and
// given the same measurements publishes the same results.
TEST(DetectorBenchTest, ABenchBuiltWithItsSeedReplaysIt)
{
    EXPECT_EQ(DetectorBench(4000000000u).Seed(), 4000000000u);
    DetectorBench clockSeeded;
    for (DetectorBench* original : {&Bench, &clockSeeded}) {
        DetectorBench replay(original->Seed());
        std::vector<MeasurementResult> published[2];
        for (DetectorBench* bench : {original, &replay})
            for (const MeasurementInputs& inputs : {Inputs(Detection, 3.0, 20.0), Inputs(NoisePower, 2.0)})
                published[bench == &replay].push_back(Measure(*bench, inputs));
        for (size_t i = 0; i < published[0].size(); ++i)
            ExpectSameResult(published[1][i], published[0][i]);
    }
}

// Measure gives what RunMeasurement publishes, run for run from the same
// seed, with or without a display; a refused configuration gives nothing
// and still publishes 0.0, 0, 0 to a display.
TEST(DetectorBenchTest, MeasureReturnsWhatIsPublished)
{
    DetectorBench published(7u);
    DetectorBench returned(7u);
    DetectorBench returnedAndShown(7u);
    for (const MeasurementInputs& inputs :
         {Inputs(Detection, 3.0, 20.0), Inputs(NoisePower, 2.0), Inputs({1, 1, 1}, 2.0), Inputs(FalseAlarms, 1.0, 2.0)}) {
        const bool runs = !(inputs.Switches == SwitchConfiguration{1, 1, 1});
        const MeasurementResult expected = Measure(published, inputs, runs);
        const std::optional<MeasurementResult> result = returned.Measure(inputs);
        RecordingDisplay display;
        const std::optional<MeasurementResult> shown = returnedAndShown.Measure(inputs, &display);
        ASSERT_EQ(result.has_value(), runs) << Describe(inputs);
        ASSERT_EQ(shown.has_value(), runs) << Describe(inputs);
        ASSERT_EQ(display.Published.size(), 1u);
        ExpectSameResult(display.Published.front(), expected);
        if (runs) {
            ExpectSameResult(*result, expected);
            ExpectSameResult(*shown, expected);
        }
    }
}

TEST(DetectorBenchTest, TheProgramBenchServesTheFreeEntry)
{
    RecordingDisplay display;
    EXPECT_TRUE(RunMeasurement(Inputs(Detection, 0.0, 49.9), display));
    EXPECT_EQ(Bench.Noise.Level, 0.0);
    EXPECT_EQ(Bench.Counter, TrialCount);
    EXPECT_FALSE(RunMeasurement(Inputs({1, 1, 1}, 2.0), display));
    EXPECT_EQ(Bench.Noise.Level, 2.0);
    ASSERT_EQ(display.Published.size(), 2u);
    ExpectSameResult(display.Published[1], {0.0, 0, 0});
}

} // namespace
