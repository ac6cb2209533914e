// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalAnalysis.h"

#include "bench/Exercises.h"

#include <cmath>
#include <optional>

namespace report {

namespace {

using theory::Experiment;

bool SameSetting(const CountPoint& point, const journal::JournalRow& row, Experiment kind)
{
    return point.Kind == kind && point.Signal1 == row.Inputs.Signal1Shape && point.Signal2 == row.Inputs.Signal2Shape
        && point.Gain == row.Inputs.Gain && point.Threshold == row.Inputs.Threshold;
}

bool SameSetting(const CountPoint& a, const CountPoint& b)
{
    return a.Signal1 == b.Signal1 && a.Signal2 == b.Signal2 && a.Gain == b.Gain && a.Threshold == b.Threshold;
}

void AddCount(JournalAnalysis& analysis, const journal::JournalRow& row, Experiment kind)
{
    for (CountPoint& point : analysis.Counts)
        if (SameSetting(point, row, kind)) {
            point.Rows.push_back(row.Number);
            point.Trials += row.Result.Trials;
            point.Counter += row.Result.Counter;
            return;
        }
    CountPoint point;
    point.Kind = kind;
    point.Signal1 = row.Inputs.Signal1Shape;
    point.Signal2 = row.Inputs.Signal2Shape;
    point.Gain = row.Inputs.Gain;
    point.Threshold = row.Inputs.Threshold;
    point.Rows.push_back(row.Number);
    point.Trials = row.Result.Trials;
    point.Counter = row.Result.Counter;
    analysis.Counts.push_back(point);
}

void AddReading(JournalAnalysis& analysis, const journal::JournalRow& row)
{
    for (NoisePowerPoint& point : analysis.NoisePower)
        if (point.Signal1 == row.Inputs.Signal1Shape && point.Gain == row.Inputs.Gain) {
            point.Rows.push_back(row.Number);
            point.Readings.push_back(row.Result.RegisterReading);
            return;
        }
    NoisePowerPoint point;
    point.Signal1 = row.Inputs.Signal1Shape;
    point.Signal2 = row.Inputs.Signal2Shape;
    point.Gain = row.Inputs.Gain;
    point.Rows.push_back(row.Number);
    point.Readings.push_back(row.Result.RegisterReading);
    analysis.NoisePower.push_back(point);
}

void Judge(NoisePowerPoint& point)
{
    double sum = 0.0;
    for (double reading : point.Readings)
        sum += reading;
    const auto runs = static_cast<double>(point.Readings.size());
    point.Mean = sum / runs;
    double squares = 0.0;
    for (double reading : point.Readings)
        squares += (reading - point.Mean) * (reading - point.Mean);
    point.Spread = point.Readings.size() > 1 ? std::sqrt(squares / (runs - 1.0)) : 0.0;
    point.Verdict = theory::CompareWithTheory(Experiment::NoisePower, point.Signal1, point.Signal2, point.Gain, 0.0,
        static_cast<int64_t>(point.Readings.size()), 0, point.Mean);
}

// The points of `hit` paired with points of `alarm` at their setting, each
// point in one pair at most.
std::vector<CharacteristicPoint> Pairs(JournalAnalysis& analysis, Experiment hit, Experiment alarm,
    std::vector<bool>& paired)
{
    std::vector<CharacteristicPoint> pairs;
    for (size_t h = 0; h < analysis.Counts.size(); ++h) {
        if (analysis.Counts[h].Kind != hit)
            continue;
        for (size_t a = 0; a < analysis.Counts.size(); ++a)
            if (!paired[a] && analysis.Counts[a].Kind == alarm && SameSetting(analysis.Counts[h], analysis.Counts[a])) {
                pairs.push_back({h, a});
                paired[h] = paired[a] = true;
                break;
            }
    }
    return pairs;
}

} // namespace

JournalAnalysis AnalyseJournal(const journal::Journal& journal)
{
    JournalAnalysis analysis;
    analysis.Seed = journal.Seed;
    analysis.Rows = journal.Rows.size();
    for (const journal::JournalRow& row : journal.Rows) {
        const std::optional<Exercise> kind = ExerciseChosenBy(row.Inputs.Switches);
        if (!kind || row.Result.Trials <= 0)
            ++analysis.Refusals;
        else if (*kind == Exercise::NoisePower)
            AddReading(analysis, row);
        else
            AddCount(analysis, row, *kind);
    }
    for (CountPoint& point : analysis.Counts)
        point.Verdict = theory::CompareWithTheory(point.Kind, point.Signal1, point.Signal2, point.Gain, point.Threshold,
            point.Trials, point.Counter, 0.0);
    for (NoisePowerPoint& point : analysis.NoisePower)
        Judge(point);

    std::vector<bool> paired(analysis.Counts.size(), false);
    analysis.Detection = Pairs(analysis, Experiment::Detection, Experiment::FalseAlarms, paired);
    analysis.Distinction = Pairs(analysis, Experiment::Distinction1, Experiment::Distinction2, paired);
    for (size_t i = 0; i < paired.size(); ++i)
        if (!paired[i])
            analysis.Unpaired.push_back(i);

    const auto judge = [&](const theory::Comparison& verdict) {
        if (!verdict.TheoryApplies)
            return;
        ++analysis.Judged;
        analysis.Agreeing += verdict.Consistent ? 1 : 0;
    };
    for (const CountPoint& point : analysis.Counts)
        judge(point.Verdict);
    for (const NoisePowerPoint& point : analysis.NoisePower)
        judge(point.Verdict);
    return analysis;
}

} // namespace report
