// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/Exercises.h"
#include "common/language/Language.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace theory {

// The sweep calls the bench's exercises experiments.
using Experiment = Exercise;

// How the sweep names and describes each of the bench's exercises.
struct ExperimentInfo {
    Experiment Id;
    std::string_view Name;        // as typed on the command line
    std::string_view Event;       // what a trial counts, or what is read
    Wording AxisTitle; // what its frequency is called on a plot
    Wording ShownName; // its name in a plot's legend, a journal's row, a table
};

const ExperimentInfo& Describe(Experiment experiment);
std::optional<Experiment> ExperimentNamed(std::string_view name);

// "1 1 1": the switch positions K1 K2 K3 as the dialog shows them.
std::string SwitchPositions(Experiment experiment);

// Every experiment, in the order of the bench's table.
inline constexpr std::array<Experiment, Exercises.size()> AllExperiments = [] {
    std::array<Experiment, Exercises.size()> all{};
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = Exercises[i].Id;
    return all;
}();

} // namespace theory
