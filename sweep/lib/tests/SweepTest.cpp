// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/DetectorBench.h"
#include "sweep/lib/Sweep.h"
#include "sweep/lib/SweepReport.h"
#include "theory/Theory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cmath>
#include <set>
#include <sstream>

using namespace sweep;

namespace {

SweepSettings Settings(std::vector<Experiment> experiments, std::vector<double> gains, std::vector<double> thresholds)
{
    SweepSettings settings;
    settings.Experiments = std::move(experiments);
    settings.Gains = std::move(gains);
    settings.Thresholds = std::move(thresholds);
    return settings;
}

size_t Lines(const std::string& text)
{
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

TEST(Sweep, CurveSeedsDependOnTheBaseTheExperimentAndTheGainOnly)
{
    std::set<uint32_t> seeds;
    for (Experiment e : theory::AllExperiments)
        for (size_t i = 0; i < 1000; ++i)
            seeds.insert(CurveSeed(7u, e, i));
    EXPECT_EQ(seeds.size(), 5000u);
    EXPECT_NE(CurveSeed(7u, Experiment::Detection, 3), CurveSeed(8u, Experiment::Detection, 3));

    // A detection point keeps its seed, so its count, when false alarms join.
    const auto alone = PlanSweep(Settings({Experiment::Detection}, {1, 2}, {0, 10}), 99u);
    const auto paired
        = PlanSweep(Settings({Experiment::FalseAlarms, Experiment::Detection}, {1, 2}, {0, 10}), 99u);
    ASSERT_EQ(paired.size(), 8u);
    for (size_t i = 0; i < alone.size(); ++i) {
        EXPECT_EQ(paired[4 + i].Seed, alone[i].Seed);
        EXPECT_EQ(paired[4 + i].Gain, alone[i].Gain);
        EXPECT_EQ(paired[4 + i].Threshold, alone[i].Threshold);
    }
    // Gain-major order; the noise-power exercise has one point per gain.
    EXPECT_EQ(alone[1].Gain, 1.0);
    EXPECT_EQ(alone[1].Threshold, 10.0);
    EXPECT_EQ(PlanSweep(Settings({Experiment::NoisePower}, {1, 2}, {0, 10}), 1u).size(), 2u);
    // The thresholds of one gain share the curve's seed; the next gain has its own.
    EXPECT_EQ(alone[0].Seed, CurveSeed(99u, Experiment::Detection, 0));
    EXPECT_EQ(alone[1].Seed, alone[0].Seed);
    EXPECT_EQ(alone[3].Seed, CurveSeed(99u, Experiment::Detection, 1));
    EXPECT_NE(alone[2].Seed, alone[1].Seed);
}

TEST(Sweep, TheTableIsTheSameForAnyNumberOfThreads)
{
    SweepSettings settings = Settings({Experiment::NoisePower, Experiment::Distinction1, Experiment::FalseAlarms},
        {0.5, 1, 4}, {-5, 0, 5, 20, 50});
    settings.Signal1 = 2;
    settings.Signal2 = 4;
    // Each result is its own point's, in the order of the plan.
    const std::vector<SweepPoint> plan = PlanSweep(settings, 31337u);
    const std::vector<PointResult> results = RunSweep(settings, 31337u, 2);
    ASSERT_EQ(results.size(), plan.size());
    for (size_t i = 0; i < plan.size(); ++i) {
        EXPECT_EQ(results[i].Point.Kind, plan[i].Kind) << i;
        EXPECT_EQ(results[i].Point.Index, plan[i].Index) << i;
        EXPECT_EQ(results[i].Point.Seed, plan[i].Seed) << i;
        EXPECT_EQ(results[i].Counter, RunPoint(settings, plan[i]).Counter) << i;
    }
    const std::string one = CsvText(settings, 31337u, RunSweep(settings, 31337u, 1));
    EXPECT_EQ(CsvText(settings, 31337u, RunSweep(settings, 31337u, 2)), one);
    EXPECT_EQ(CsvText(settings, 31337u, RunSweep(settings, 31337u, 7)), one);
    EXPECT_EQ(Lines(one), 1u + 3u + 15u + 15u);
    EXPECT_NE(CsvText(settings, 31338u, RunSweep(settings, 31338u, 2)), one);
}

TEST(Sweep, APointIsTheBenchsOwnMeasurementRunOverAndOver)
{
    SweepSettings settings = Settings({Experiment::Distinction2}, {2.5}, {-30});
    settings.Signal1 = 3;
    settings.Signal2 = 1;
    settings.Trials = 3000;
    const SweepPoint point = PlanSweep(settings, 5u).front();
    const PointResult result = RunPoint(settings, point);

    DetectorBench bench(point.Seed);
    const MeasurementInputs inputs{3, 1, 2.5, -30.0, {1, 0, 0}};
    int64_t trials = 0;
    int64_t counter = 0;
    for (int run = 0; run < 3; ++run) {
        const std::optional<MeasurementResult> published = bench.Measure(inputs);
        ASSERT_TRUE(published);
        trials += published->Trials;
        counter += published->Counter;
    }
    EXPECT_EQ(result.Trials, 3000);
    EXPECT_EQ(result.Trials, trials);
    EXPECT_EQ(result.Counter, counter);
}

// 25 000 trials: chunks of 10 000, 10 000 and 5000 that any thread may run.
TEST(Sweep, ACurveIsOneRunOfTrialsWhateverTheThreadsAndEachCountIsTheBenchsOwn)
{
    SweepSettings settings
        = Settings({Experiment::Detection, Experiment::Distinction2}, {2, 7}, {40, -10, 25, 25, 100, 48.5});
    settings.Signal1 = 2;
    settings.Signal2 = 3;
    settings.Trials = 25000;
    SweepWatch watch;
    const std::vector<PointResult> two = RunSweep(settings, 2718u, 2, &watch);
    EXPECT_EQ(watch.PointsDone.load(), 24u); // counted chunk by chunk, in whole points
    EXPECT_EQ(watch.Chunks.load(), 4u * 3u);
    EXPECT_EQ(watch.ChunksDone.load(), 4u * 3u);
    const std::string csv = CsvText(settings, 2718u, two);
    EXPECT_EQ(CsvText(settings, 2718u, RunSweep(settings, 2718u, 1)), csv);
    EXPECT_EQ(CsvText(settings, 2718u, RunSweep(settings, 2718u, 7)), csv);

    for (size_t curve = 0; curve < 4; ++curve) {
        std::vector<const PointResult*> points;
        for (size_t i = 0; i < 6; ++i)
            points.push_back(&two[curve * 6 + i]);
        // The same trials decide every threshold: the counts never rise with H.
        std::sort(points.begin(), points.end(),
            [](const PointResult* a, const PointResult* b) { return a->Point.Threshold < b->Point.Threshold; });
        for (size_t i = 1; i < points.size(); ++i)
            EXPECT_LE(points[i]->Counter, points[i - 1]->Counter) << curve << " H " << points[i]->Point.Threshold;
        EXPECT_EQ(points[1]->Counter, points[2]->Counter); // H = 25 twice
        EXPECT_GT(points.front()->Counter, points.back()->Counter);
    }
    // Each count is what the bench's own measurement counts, 25 times in a row from the curve's seed.
    for (size_t i : {0u, 3u, 5u, 8u, 13u, 22u})
        EXPECT_EQ(two[i].Counter, RunPoint(settings, two[i].Point).Counter) << i;
}

TEST(Sweep, WithoutGainEveryCountIsExactAndAgreesWithTheory)
{
    const struct {
        Experiment experiment;
        int32_t signal1, signal2;
        double threshold;
        int64_t count;
    } rows[] = {
        {Experiment::Detection, 1, 2, 49.9, 1000},
        {Experiment::Detection, 1, 2, 50.0, 0},
        {Experiment::Detection, 2, 1, 47.9, 1000},
        {Experiment::Detection, 4, 1, 48.0, 0},
        {Experiment::FalseAlarms, 1, 2, -0.1, 1000},
        {Experiment::FalseAlarms, 1, 2, 0.0, 0},
        {Experiment::Distinction1, 1, 2, 49.9, 1000},
        {Experiment::Distinction1, 1, 2, 50.0, 0},
        {Experiment::Distinction1, 2, 4, 95.9, 1000},
        {Experiment::Distinction2, 1, 2, -50.1, 1000},
        {Experiment::Distinction2, 1, 2, -50.0, 0},
        {Experiment::Distinction1, 3, 3, -0.1, 1000},
        {Experiment::Distinction1, 3, 3, 0.0, 0},
    };
    for (const auto& row : rows) {
        SweepSettings settings = Settings({row.experiment}, {0.0}, {row.threshold});
        settings.Signal1 = row.signal1;
        settings.Signal2 = row.signal2;
        const PointResult r = RunSweep(settings, 1u, 1).front();
        const std::string name = std::string(theory::Describe(row.experiment).Name) + " H " + std::to_string(row.threshold);
        EXPECT_EQ(r.Counter, row.count) << name;
        EXPECT_EQ(r.Theory, static_cast<double>(row.count) / 1000.0) << name;
        EXPECT_EQ(r.ModelSpread, 0.0) << name;
        EXPECT_TRUE(r.Consistent) << name;
    }
    const PointResult power = RunSweep(Settings({Experiment::NoisePower}, {0.0}, {0.0}), 1u, 1).front();
    EXPECT_EQ(power.Reading, 0.0);
    EXPECT_EQ(power.Theory, 0.0);
    EXPECT_EQ(power.Trials, 1);
    EXPECT_TRUE(power.Consistent);
}

// 20 000 trials a point: a count may stray from theory by the binomial
// spread only, 5 standard deviations at most.
TEST(Sweep, CountsFollowTheoryAtFixedSeeds)
{
    const struct {
        Experiment experiment;
        int32_t signal1, signal2;
        double gain;
        std::vector<double> thresholds;
    } rows[] = {
        {Experiment::Distinction1, 1, 2, 1.0, {30, 45, 50, 55, 70}},
        {Experiment::Distinction2, 1, 2, 4.0, {-90, -50, 0, 30}},
        {Experiment::Distinction1, 2, 4, 6.0, {60, 96, 130}},
        {Experiment::Detection, 2, 1, 5.0, {20, 48, 70}},
        {Experiment::Detection, 3, 1, 2.0, {-60, -50, -40}},
        {Experiment::FalseAlarms, 4, 1, 3.0, {-20, 0, 10, 30, 50}},
    };
    for (const auto& row : rows) {
        SweepSettings settings = Settings({row.experiment}, {row.gain}, row.thresholds);
        settings.Signal1 = row.signal1;
        settings.Signal2 = row.signal2;
        settings.Trials = 20000;
        for (const PointResult& r : RunSweep(settings, 4242u, 2)) {
            const double p = r.Theory;
            const double spread = std::sqrt(std::max(p * (1.0 - p), 1e-4) / 20000.0);
            EXPECT_NEAR(r.Observed, p, 5.0 * spread)
                << theory::Describe(row.experiment).Name << " K " << row.gain << " H " << r.Point.Threshold;
        }
    }
}

TEST(Sweep, NoisePowerReadingsFollowTheoryAtFixedSeeds)
{
    SweepSettings settings = Settings({Experiment::NoisePower}, {0.5, 1, 3}, {0});
    settings.Signal1 = 4;
    settings.Trials = 50000; // 50 readings a point
    for (const PointResult& r : RunSweep(settings, 77u, 2)) {
        EXPECT_EQ(r.Trials, 50);
        EXPECT_NEAR(r.Reading, 50.0 * r.Point.Gain * r.Point.Gain, 5.0 * r.ModelSpread / std::sqrt(50.0));
        EXPECT_NEAR(r.Range.High - r.Range.Low, 2.0 * 1.959963984540054 * r.ModelSpread / std::sqrt(50.0), 1e-9);
    }
}

TEST(Sweep, TableAndCsvSayWhatWasRun)
{
    SweepSettings settings = Settings({Experiment::NoisePower, Experiment::Detection}, {0, 1}, {0, 25.5});
    const std::vector<PointResult> results = RunSweep(settings, 123u, 2);
    const std::string table = TableText(settings, 123u, results);
    EXPECT_EQ(table.rfind("seed 123, 1000 trials per point, signal 1 shape 1, signal 2 shape 2\n", 0), 0u);
    EXPECT_NE(table.find("noise-power (switches 3 2 2)"), std::string::npos);
    EXPECT_NE(table.find("detection (switches 1 2 1)"), std::string::npos);
    EXPECT_NE(table.find(" 25.5 "), std::string::npos);
    EXPECT_NE(table.find(" points agree with theory at the 95% level"), std::string::npos);
    // Columns line up: every row of a block is as long as its heading.
    std::istringstream lines(table);
    std::string line, heading;
    while (std::getline(lines, line)) {
        if (line.rfind("K  ", 0) == 0) {
            heading = line;
        } else if (!heading.empty() && !line.empty()) {
            const size_t verdict = heading.find("verdict");
            EXPECT_TRUE(line.compare(verdict, 10, "consistent") == 0 || line.compare(verdict, 12, "INCONSISTENT") == 0)
                << line;
        } else {
            heading.clear();
        }
    }

    const std::string csv = CsvText(settings, 123u, results);
    std::istringstream rows(csv);
    std::getline(rows, line);
    EXPECT_EQ(line, "experiment,switches,signal1,signal2,gain,threshold,trials,counter,reading,observed,"
                    "low95,high95,theory,model_mean,model_sd,consistent,seed,curve_seed");
    std::getline(rows, line);
    EXPECT_EQ(line.rfind("noise-power,3 2 2,1,2,0,,1,,0,0,0,0,0,0,0,yes,123", 0), 0u) << line;
    std::getline(rows, line);
    std::getline(rows, line);
    EXPECT_EQ(line.rfind("detection,1 2 1,1,2,0,0,1000,1000,,1,", 0), 0u) << line;
    // The curve's seed ends each row: the same for both thresholds of a gain.
    EXPECT_EQ(line.substr(line.rfind(',') + 1), std::to_string(results[2].Point.Seed)) << line;
    std::getline(rows, line);
    EXPECT_EQ(line.substr(line.rfind(',') + 1), std::to_string(results[2].Point.Seed)) << line;
    size_t count = 5;
    while (std::getline(rows, line)) {
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 17) << line;
        ++count;
    }
    EXPECT_EQ(count, 1u + 2u + 4u);
}

TEST(Sweep, NoiseFinerThanDoublesHasNoTheoryAndNoVerdict)
{
    const SweepSettings settings = Settings({Experiment::Distinction1}, {1e-15, 1}, {50});
    const std::vector<PointResult> results = RunSweep(settings, 9u, 2);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_FALSE(results[0].TheoryApplies);
    EXPECT_FALSE(results[0].Consistent);
    EXPECT_TRUE(results[1].TheoryApplies);

    const std::string table = TableText(settings, 9u, results);
    std::istringstream lines(table);
    std::string line;
    while (std::getline(lines, line) && line.rfind("1e-15 ", 0) != 0) {
    }
    EXPECT_NE(line.find(" n/a "), std::string::npos) << line;
    EXPECT_EQ(line.substr(line.size() - 5), "  n/a") << line;
    EXPECT_NE(table.find(" of 1 points agree with theory"), std::string::npos) << table;
    EXPECT_NE(table.find("1 points have no theory (n/a)"), std::string::npos) << table;

    const std::string csv = CsvText(settings, 9u, results);
    const size_t row = csv.find("\ndistinction1,1 1 1,1,2,1e-15,50,");
    ASSERT_NE(row, std::string::npos) << csv;
    const std::string fields = csv.substr(row + 1, csv.find('\n', row + 1) - row - 1);
    EXPECT_EQ(std::count(fields.begin(), fields.end(), ','), 17) << fields;
    EXPECT_NE(fields.find(",n/a,"), std::string::npos) << fields;
    EXPECT_NE(fields.find(",n/a,9"), std::string::npos) << fields;
}

TEST(Sweep, AStopEndsTheWorkersAndCountsWhatWasDone)
{
    SweepSettings settings = Settings({Experiment::Detection}, {1}, {0, 10, 20, 30});
    std::atomic<int> stop{0};
    for (int signal : {0, SIGINT}) {
        stop = signal;
        SweepWatch watch;
        watch.Stop = &stop;
        RunSweep(settings, 5u, 2, &watch);
        EXPECT_EQ(watch.PointsDone.load(), signal == 0 ? 4u : 0u);
        EXPECT_EQ(watch.Stopped(), signal != 0);
    }
    // A million trials, stopped: no run of 1000 starts after the stop.
    settings.Trials = MaxTrials;
    EXPECT_EQ(RunPoint(settings, PlanSweep(settings, 5u).front(), &stop).Trials, 0);
}
