// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/JournalAnalysis.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using report::AnalyseJournal;
using report::JournalAnalysis;
using theory::Experiment;

constexpr SwitchConfiguration Distinction1{0, 0, 0};
constexpr SwitchConfiguration Detection{0, 1, 0};
constexpr SwitchConfiguration Distinction2{1, 0, 0};
constexpr SwitchConfiguration FalseAlarms{2, 1, 0};
constexpr SwitchConfiguration NoisePower{2, 1, 1};
constexpr SwitchConfiguration Refused{0, 0, 1};

journal::JournalRow Row(int64_t number, int32_t s1, int32_t s2, double k, double h, SwitchConfiguration switches,
    MeasurementResult result)
{
    return {number, "2026-12-09T10:00:00+03:00", {s1, s2, k, h, switches}, result};
}

// A session as a student measures: repeated settings, pairs in any order,
// a point without its partner, a refusal, noise-power readings at two K.
journal::Journal Session()
{
    return {2026,
        {Row(1, 1, 2, 6, 20, Detection, {0, 1000, 777}), Row(2, 1, 2, 6, 20, Refused, {0, 0, 0}),
            Row(3, 1, 2, 6, 20, FalseAlarms, {0, 1000, 318}), Row(4, 1, 2, 6, 20, Detection, {0, 1000, 755}),
            Row(5, 1, 2, 6, 40, Detection, {0, 1000, 600}), Row(6, 1, 2, 2, 0, NoisePower, {195.0, 1, 0}),
            Row(7, 1, 2, 2, 0, NoisePower, {205.0, 1, 0}), Row(8, 1, 2, 2, 5, NoisePower, {200.0, 1, 0}),
            Row(9, 1, 2, 3, 0, Distinction1, {0, 1000, 999}), Row(10, 1, 2, 3, 0, Distinction2, {0, 1000, 1}),
            Row(11, 3, 4, 6, 10, FalseAlarms, {0, 1000, 407}), Row(12, 1, 2, 3, 0, NoisePower, {451.0, 1, 0})}};
}

std::vector<int64_t> RowsOf(const report::CountPoint& point)
{
    return point.Rows;
}

} // namespace

// Rows at one setting are one point, their counts summed; detection pairs
// with false alarms and distinction 1 with 2 at the same shapes, K and H;
// what pairs with nothing is kept apart; refusals are counted only.
TEST(JournalAnalysis, GroupsAndPairsEveryRow)
{
    const JournalAnalysis analysis = AnalyseJournal(Session());
    EXPECT_EQ(analysis.Seed, 2026u);
    EXPECT_EQ(analysis.Rows, 12u);
    EXPECT_EQ(analysis.Refusals, 1u);
    ASSERT_EQ(analysis.Counts.size(), 6u);
    const std::vector<std::vector<int64_t>> rows{{1, 4}, {3}, {5}, {9}, {10}, {11}};
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(RowsOf(analysis.Counts[i]), rows[i]) << i;
    EXPECT_EQ(analysis.Counts[0].Trials, 2000);
    EXPECT_EQ(analysis.Counts[0].Counter, 1532);
    ASSERT_EQ(analysis.Detection.size(), 1u);
    EXPECT_EQ(analysis.Detection[0].Hit, 0u);
    EXPECT_EQ(analysis.Detection[0].Alarm, 1u);
    ASSERT_EQ(analysis.Distinction.size(), 1u);
    EXPECT_EQ(analysis.Distinction[0].Hit, 3u);
    EXPECT_EQ(analysis.Distinction[0].Alarm, 4u);
    EXPECT_EQ(analysis.Unpaired, (std::vector<size_t>{2, 5}));
}

// Each frequency against theory worked out by hand: detection at K = 6,
// H = 20 (σ = 7.071·6 = 42.43, mean 50) is Q(-30/42.43) = 0.7601;
// distinguishing at K = 3 (σ = 10·3, means ±50) decides for signal 1 with
// 0.9522 and 0.0478, so 999 and 1 of 1000 are outside their intervals.
TEST(JournalAnalysis, FrequenciesAreJudgedAgainstTheory)
{
    const JournalAnalysis analysis = AnalyseJournal(Session());
    const theory::Comparison& detection = analysis.Counts[0].Verdict;
    EXPECT_DOUBLE_EQ(detection.Observed, 0.766);
    EXPECT_NEAR(detection.Theory, 0.7601, 5e-5);
    EXPECT_NEAR(detection.Range.Low, 0.7470, 5e-4);
    EXPECT_TRUE(detection.Consistent);
    EXPECT_NEAR(analysis.Counts[1].Verdict.Theory, 0.3185, 5e-5);
    EXPECT_NEAR(analysis.Counts[3].Verdict.Theory, 0.9522, 5e-4);
    EXPECT_FALSE(analysis.Counts[3].Verdict.Consistent);
    EXPECT_NEAR(analysis.Counts[4].Verdict.Theory, 0.0478, 5e-4);
    EXPECT_FALSE(analysis.Counts[4].Verdict.Consistent);
    EXPECT_EQ(analysis.Judged, 8u);
    EXPECT_EQ(analysis.Agreeing, 6u);
}

// Readings at one K and shape, whatever H says, are averaged: 195, 205 and
// 200 have the mean 200 and the spread 5; the expected reading at K = 2 is
// 50·K² = 200, and the mean of three is judged with the reading's spread
// over √3. One reading alone has no spread.
TEST(JournalAnalysis, NoisePowerReadingsAreAveraged)
{
    const JournalAnalysis analysis = AnalyseJournal(Session());
    ASSERT_EQ(analysis.NoisePower.size(), 2u);
    const report::NoisePowerPoint& two = analysis.NoisePower[0];
    EXPECT_EQ(two.Rows, (std::vector<int64_t>{6, 7, 8}));
    EXPECT_DOUBLE_EQ(two.Mean, 200.0);
    EXPECT_DOUBLE_EQ(two.Spread, 5.0);
    EXPECT_NEAR(two.Verdict.Theory, 200.0, 0.01);
    EXPECT_NEAR(two.Verdict.Range.High - two.Verdict.Range.Low, 2 * theory::Normal95 * two.Verdict.ModelSpread / std::sqrt(3.0),
        1e-9);
    EXPECT_TRUE(two.Verdict.Consistent);
    const report::NoisePowerPoint& three = analysis.NoisePower[1];
    EXPECT_EQ(three.Rows, (std::vector<int64_t>{12}));
    EXPECT_DOUBLE_EQ(three.Spread, 0.0);
    EXPECT_NEAR(three.Verdict.Theory, 450.0, 0.05);
}

// What has nothing to analyse still analyses: no rows, refusals only, one
// point per curve.
TEST(JournalAnalysis, LittleJournalsAreAnalysed)
{
    const JournalAnalysis empty = AnalyseJournal({7, {}});
    EXPECT_EQ(empty.Rows, 0u);
    EXPECT_TRUE(empty.Counts.empty() && empty.NoisePower.empty() && empty.Unpaired.empty());
    const JournalAnalysis refusals = AnalyseJournal({7, {Row(1, 1, 2, 1, 0, Refused, {}), Row(2, 1, 2, 1, 0, Refused, {})}});
    EXPECT_EQ(refusals.Refusals, 2u);
    EXPECT_EQ(refusals.Judged, 0u);
    const JournalAnalysis single = AnalyseJournal({7, {Row(1, 1, 2, 6, 20, FalseAlarms, {0, 1000, 318})}});
    EXPECT_EQ(single.Unpaired, (std::vector<size_t>{0}));
    EXPECT_TRUE(single.Detection.empty());
}
