// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A session of 200 rows as a student measures it for the lab report, on a
// bench of its own: detection and false alarms over H at two gains, both
// distinctions over H, noise-power readings at several K, a few refusals.
// The report's tests and its benchmark share it.

#include "TestSession.h"
#include "bench/DetectorBench.h"
#include "journal/Journal.h"

#include <vector>

namespace report::test {

using journal::test::Detection;
using journal::test::Distinction1;
using journal::test::Distinction2;
using journal::test::FalseAlarms;
using journal::test::NoisePower;
using journal::test::Refused;

// The rows measured on a bench of the seed, numbered from 1.
inline journal::Journal Measured(uint32_t seed, const std::vector<MeasurementInputs>& measured)
{
    DetectorBench bench(seed);
    journal::Journal journal{seed, {}};
    for (const MeasurementInputs& inputs : measured)
        journal.Rows.push_back({static_cast<int64_t>(journal.Rows.size()) + 1, "2026-12-09T10:00:00+03:00", inputs,
            bench.Measure(inputs).value_or(MeasurementResult{})});
    return journal;
}

inline journal::Journal StudentSession(uint32_t seed)
{
    std::vector<MeasurementInputs> measured;
    for (double k : {4.0, 8.0})
        for (int h = -40; h <= 100; h += 10)
            for (SwitchConfiguration switches : {Detection, FalseAlarms})
                measured.push_back({1, 2, k, static_cast<double>(h), switches});
    for (int h = -100; h <= 100; h += 10)
        for (SwitchConfiguration switches : {Distinction1, Distinction2})
            measured.push_back({1, 2, 20.0, static_cast<double>(h), switches});
    for (double k : {0.5, 1.0, 2.0, 3.0, 4.0})
        for (int run = 0; run < 9; ++run)
            measured.push_back({1, 2, k, 0.0, NoisePower});
    while (measured.size() < 200)
        measured.push_back({1, 2, 1.0, 0.0, Refused});
    return Measured(seed, measured);
}

} // namespace report::test
