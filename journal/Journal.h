// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/Measurement.h"
#include "theory/TheoryComparison.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QDateTime;

namespace journal {

// One measurement as the journal keeps it: what the student set and what
// the bench published.
struct JournalRow {
    int64_t Number = 0; // from 1, in the order measured
    std::string Time;   // ISO 8601 local time with its offset
    MeasurementInputs Inputs;
    MeasurementResult Result;
};

// The measurements of one session on one bench, and the seed that bench was
// built with: a bench built anew with it and given the rows' settings in
// order publishes the rows' results again.
struct Journal {
    uint32_t Seed = 0;
    std::vector<JournalRow> Rows;
};

// The columns of a row, in the order of the file and the window.
namespace column {
enum : size_t {
    Number,
    Time,
    K1,
    K2,
    K3,
    Experiment,
    Signal1,
    Signal2,
    Gain,
    Threshold,
    Reading,
    Trials,
    Counter,
    Frequency,
    Low95,
    High95,
    Theory,
    Verdict,
    Count
};
} // namespace column

using Cells = std::array<std::string, column::Count>;

// The columns' headings: the Russian ones head the kept file and, in a
// Russian run, the window and the spreadsheets; the English ones the window
// and the spreadsheets of an English run.
const Cells& ColumnHeadings(Language language = Language::Russian);
// The columns' names in the messages of detector-lab-sweep, which speaks English.
const Cells& ColumnNames();

// A row as text: the settings and what was published, then the frequency
// counter / trials with its 95% Wilson interval, theory (the probability of
// a count, or the expected reading with the reading's 95% interval) and the
// verdict, as the sweep judges a point. K, H and the reading are the
// shortest texts that read back as the same doubles. A refused measurement
// has "отказ" ("refused") for its exercise and "—" for what theory would
// say. The exercise and the verdict are worded in the language given: the
// kept file's are Russian.
Cells RowCells(const JournalRow& row, char decimalSeparator = '.', Language language = Language::Russian);

// What theory says of a row's measurement, as numbers; nothing for a
// refused one.
struct RowJudgement {
    Wording ExperimentName;
    bool CountsTrials = true;
    theory::Comparison Comparison;
};
std::optional<RowJudgement> JudgeRow(const JournalRow& row);

// "2026-03-14T09:26:53+03:00": the time with its offset from UTC.
std::string TimeText(const QDateTime& time);

} // namespace journal
