// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/Journal.h"
#include "theory/TheoryComparison.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace report {

// The rows of one counting experiment at one setting (both shapes, K and
// H), their trials and counts summed: the frequency with its 95 % interval,
// theory and the verdict, as the sweep judges a point.
struct CountPoint {
    theory::Experiment Kind = theory::Experiment::Detection;
    int32_t Signal1 = 1;
    int32_t Signal2 = 2;
    double Gain = 0.0;
    double Threshold = 0.0;
    std::vector<int64_t> Rows; // the rows' numbers, in the journal's order
    int64_t Trials = 0;
    int64_t Counter = 0;
    theory::Comparison Verdict;
};

// A point of an operating characteristic: two counting points at the same
// setting, detection with false alarms (the hit's frequency against the
// false alarm's), or the two distinctions (deciding for signal 1 while
// signal 1 is sent against while signal 2 is).
struct CharacteristicPoint {
    size_t Hit = 0;   // in Counts
    size_t Alarm = 0; // in Counts
};

// The noise-power readings at one K (and shape of signal 1, which makes
// Filter1): their mean and spread beside the expected reading and its
// spread, the verdict on the mean.
struct NoisePowerPoint {
    int32_t Signal1 = 1;
    int32_t Signal2 = 2;
    double Gain = 0.0;
    std::vector<int64_t> Rows;
    std::vector<double> Readings;
    double Mean = 0.0;
    // The sample standard deviation of the readings; 0 for one reading.
    double Spread = 0.0;
    theory::Comparison Verdict;
};

// What a journal comes to for the lab report: every row is in exactly one
// point, or counted among the refusals.
struct JournalAnalysis {
    uint32_t Seed = 0;
    size_t Rows = 0;
    size_t Refusals = 0;
    std::vector<CountPoint> Counts;               // in the order of their first rows
    std::vector<CharacteristicPoint> Detection;    // detection with false alarms
    std::vector<CharacteristicPoint> Distinction;  // distinction 1 with distinction 2
    // Counting points that pair with nothing, in Counts; shown, never dropped.
    std::vector<size_t> Unpaired;
    std::vector<NoisePowerPoint> NoisePower;      // in the order of their first rows
    // Points with a verdict, and those of them that agree with theory at the
    // 95 % level.
    size_t Judged = 0;
    size_t Agreeing = 0;
};

JournalAnalysis AnalyseJournal(const journal::Journal& journal);

} // namespace report
