// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalReplay.h"

#include "RoundedResave.h"
#include "bench/DetectorBench.h"
#include "common/text/Excerpt.h"
#include "common/text/NumberText.h"

#include <bit>
#include <cmath>

namespace journal {

namespace {

std::string Quoted(const std::string& text)
{
    return "'" + Excerpt(text) + "'";
}

void Add(std::string& differences, const std::string& difference)
{
    if (!difference.empty())
        differences += (differences.empty() ? "" : "; ") + difference;
}

// What theory gives for a column of numbers, as the bench's result has it;
// nothing where the file holds "—".
std::optional<double> JudgedValue(const std::optional<RowJudgement>& judged, size_t column)
{
    if (!judged)
        return std::nullopt;
    const theory::Comparison& comparison = judged->Comparison;
    switch (column) {
    case column::Frequency:
        return judged->CountsTrials ? std::optional(comparison.Observed) : std::nullopt;
    case column::Low95:
        return comparison.Range.Low;
    case column::High95:
        return comparison.Range.High;
    case column::Theory:
        return comparison.TheoryApplies ? std::optional(comparison.Theory) : std::nullopt;
    default:
        return std::nullopt;
    }
}

// The differences of a row from the bench's; those where the file holds the
// bench's numbers rounded go to `rounded`.
std::string Differences(const JournalRow& claimed, const Cells& fileCells, const JournalRow& replayed,
    Language wording, std::string& rounded)
{
    std::string differences;
    const auto compare = [&](const char* name, const std::string& file, const std::string& bench) {
        Add(differences, std::string(name) + " " + file + " in the file, the bench gives " + bench);
    };
    const auto roundedCell = [&](const char* name, const std::string& file, double bench) {
        Add(rounded, std::string(name) + " " + file + " is the bench's " + ShortestText(bench) + " rounded");
    };
    const double reading = replayed.Result.RegisterReading;
    if (std::bit_cast<uint64_t>(claimed.Result.RegisterReading) != std::bit_cast<uint64_t>(reading)) {
        if (MatchNumber(fileCells[column::Reading], reading, ShortestText(reading)) == NumberMatch::Rounded)
            roundedCell("register reading", fileCells[column::Reading], reading);
        else
            compare("register reading", ShortestText(claimed.Result.RegisterReading), ShortestText(reading));
    }
    if (claimed.Result.Trials != replayed.Result.Trials)
        compare("trials", std::to_string(claimed.Result.Trials), std::to_string(replayed.Result.Trials));
    if (claimed.Result.Counter != replayed.Result.Counter)
        compare("counter", std::to_string(claimed.Result.Counter), std::to_string(replayed.Result.Counter));
    const Cells benchCells = RowCells(replayed, '.', wording);
    const std::optional<RowJudgement> judged = JudgeRow(replayed);
    for (size_t c : {column::Experiment, column::Frequency, column::Low95, column::High95, column::Theory,
             column::Verdict}) {
        const std::optional<double> value = JudgedValue(judged, c);
        const NumberMatch match = value ? MatchNumber(fileCells[c], *value, benchCells[c])
            : fileCells[c] == benchCells[c] ? NumberMatch::Same
                                           : NumberMatch::Different;
        if (match == NumberMatch::Rounded)
            roundedCell(ColumnNames()[c].c_str(), fileCells[c], *value);
        else if (match == NumberMatch::Different)
            compare(ColumnNames()[c].c_str(), Quoted(fileCells[c]), Quoted(benchCells[c]));
    }
    return differences;
}

} // namespace

RowCheck ReplayRow(const JournalRow& row, const Cells& fileCells, int64_t place, size_t line, DetectorBench& bench,
    Language wording)
{
    RowCheck check;
    check.Line = line;
    if (row.Number != place)
        Add(check.Difference, "numbered " + std::to_string(row.Number) + " at the place of row "
            + std::to_string(place) + ": a row before it is missing or out of order");
    if (!std::isfinite(row.Inputs.Gain) || !std::isfinite(row.Inputs.Threshold)) {
        Add(check.Difference, "K or H is not a finite number, which the program's fields refuse; not run");
    } else {
        JournalRow replayed = row;
        replayed.Result = bench.Measure(row.Inputs).value_or(MeasurementResult{});
        std::string rounded;
        Add(check.Difference, Differences(row, fileCells, replayed, wording, rounded));
        check.Rounded = check.Difference.empty() && !rounded.empty();
        Add(check.Difference, rounded);
    }
    check.Reproduces = check.Difference.empty();
    return check;
}

std::vector<RowCheck> ReplayJournal(const ReadJournal& journal, const std::atomic<int>* stop)
{
    DetectorBench bench(journal.Content.Seed);
    return ReplayJournal(journal, bench, ReplayEnd::AfterTheLastRow, stop);
}

std::vector<RowCheck> ReplayJournal(const ReadJournal& journal, DetectorBench& bench, ReplayEnd end,
    const std::atomic<int>* stop)
{
    std::vector<RowCheck> checks;
    const std::vector<JournalRow>& rows = journal.Content.Rows;
    for (size_t i = 0; i < rows.size() && (stop == nullptr || stop->load() == 0); ++i) {
        checks.push_back(
            ReplayRow(rows[i], journal.FileCells[i], static_cast<int64_t>(i) + 1, journal.Lines[i], bench,
                journal.Wording));
        if (end == ReplayEnd::AtTheFirstDifference && !checks.back().Reproduces)
            break;
    }
    return checks;
}

} // namespace journal
