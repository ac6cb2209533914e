// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/Measurement.h"
#include "theory/Experiment.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sweep {

// A sweep runs the experiments that theory names.
using theory::Experiment;

// Everything a sweep is asked to do. The defaults are the bench's own
// settings at program start.
struct SweepSettings {
    std::vector<Experiment> Experiments{Experiment::Distinction1};
    int32_t Signal1 = 1;
    int32_t Signal2 = 2;
    std::vector<double> Gains{1.0};
    std::vector<double> Thresholds{0.0}; // mV; not used by the noise-power exercise
    int32_t Trials = TrialCount;         // per point, a whole number of bench runs
    std::optional<uint32_t> Seed;        // none: the clock's
    int Threads = 0;                     // 0: one per core
    std::string CsvPath;                 // "-" for standard output
    std::string PlotPath;                // .png or .svg
    std::string XlsxPath;                // the table as an .xlsx workbook
};

// Points of one experiment: gains times thresholds (gains alone for the
// noise-power exercise).
size_t PointsOf(const SweepSettings& settings, Experiment experiment);
// Points of the whole sweep.
size_t PointsOf(const SweepSettings& settings);

// The limits every option is held to.
inline constexpr double MaxGain = 1000.0; // the bench's K field holds 0 to 1000
inline constexpr size_t MaxValuesPerOption = 100000;
inline constexpr size_t MaxPoints = 100000;
inline constexpr int32_t MaxTrials = 1000000;
inline constexpr int MaxThreads = 64;

} // namespace sweep
