// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A session of measurements as the laboratory program records it, on a
// bench of its own: the journal tests and the --verify tests share it.

#include "bench/DetectorBench.h"
#include "journal/Journal.h"

#include <vector>

namespace journal::test {

inline constexpr uint32_t Seed = 3735928559u;
inline constexpr SwitchConfiguration Distinction1{0, 0, 0};
inline constexpr SwitchConfiguration Detection{0, 1, 0};
inline constexpr SwitchConfiguration Distinction2{1, 0, 0};
inline constexpr SwitchConfiguration FalseAlarms{2, 1, 0};
inline constexpr SwitchConfiguration NoisePower{2, 1, 1};
inline constexpr SwitchConfiguration Refused{0, 0, 1};

inline JournalRow Row(int64_t number, const MeasurementInputs& inputs, const MeasurementResult& result)
{
    return {number, "2026-03-14T09:26:53+03:00", inputs, result};
}

// Eight measurements, a refused one among them, every exercise once or more.
inline Journal Session(uint32_t seed = Seed)
{
    const std::vector<MeasurementInputs> measured{
        {1, 2, 1.0, 0.0, Distinction1}, {1, 2, 1.0, 0.0, Refused}, {1, 2, 6.0, 20.0, Detection},
        {1, 2, 2.0, 0.0, NoisePower}, {3, 4, 6.0, 10.0, FalseAlarms}, {1, 2, 3.0, 5.5, Distinction2},
        {2, 1, 0.0, 47.9, Detection}, {1, 2, 5.0, 40.0, Detection}};
    DetectorBench bench(seed);
    Journal journal{seed, {}};
    for (const MeasurementInputs& inputs : measured) {
        const MeasurementResult published = bench.Measure(inputs).value_or(MeasurementResult{});
        journal.Rows.push_back(Row(static_cast<int64_t>(journal.Rows.size()) + 1, inputs, published));
    }
    return journal;
}

} // namespace journal::test
