#pragma once

#include "Measurement.h"

#include <optional>
#include <string>
#include <string_view>

// The five exercises of the bench, in the order the sweep reports them.
enum class Experiment {
    NoisePower,
    Detection,
    FalseAlarms,
    Distinction1,
    Distinction2,
};

struct ExperimentInfo {
    Experiment Id;
    std::string_view Name;        // as typed on the command line
    SwitchConfiguration Switches; // the switch positions that choose it
    std::string_view Event;       // what a trial counts, or what is read
    std::string_view RussianAxis; // what its frequency is called on a plot
    std::string_view RussianName; // its name in a plot's legend
};

const ExperimentInfo& Describe(Experiment experiment);
std::optional<Experiment> ExperimentNamed(std::string_view name);

// The noise-power exercise reads the register; the other four count trials.
inline bool CountsTrials(Experiment experiment)
{
    return experiment != Experiment::NoisePower;
}

// "1 1 1": the switch positions K1 K2 K3 as the dialog shows them.
std::string SwitchPositions(Experiment experiment);

inline constexpr Experiment AllExperiments[] = {
    Experiment::NoisePower, Experiment::Detection, Experiment::FalseAlarms,
    Experiment::Distinction1, Experiment::Distinction2,
};
