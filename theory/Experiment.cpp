// SPDX-License-Identifier: GPL-3.0-or-later
#include "Experiment.h"

#include <array>
#include <string>

namespace theory {

namespace {

constexpr std::array<ExperimentInfo, Exercises.size()> Experiments{{
    {Experiment::NoisePower, "noise-power",
     "mean square of Filter1 over 5000 outputs of noise alone",
     "Показание регистра, мВ²", "мощность шума"},
    {Experiment::Detection, "detection",
     "Filter1 > H while signal 1 is sent",
     "Частота обнаружения", "обнаружение"},
    {Experiment::FalseAlarms, "false-alarms",
     "Filter1 > H on noise alone",
     "Частота ложных тревог", "ложные тревоги"},
    {Experiment::Distinction1, "distinction1",
     "Filter1 - Filter2 > H while signal 1 is sent",
     "Частота решений «сигнал 1» при сигнале 1", "различение, послан сигнал 1"},
    {Experiment::Distinction2, "distinction2",
     "Filter1 - Filter2 > H while signal 2 is sent",
     "Частота решений «сигнал 1» при сигнале 2", "различение, послан сигнал 2"},
}};

static_assert(
    [] {
        for (std::size_t i = 0; i < Experiments.size(); ++i)
            if (Experiments[i].Id != Exercises[i].Id)
                return false;
        return true;
    }(),
    "Describe reads the table by the experiment's number");

} // namespace

const ExperimentInfo& Describe(Experiment experiment)
{
    return Experiments[static_cast<size_t>(experiment)];
}

std::optional<Experiment> ExperimentNamed(std::string_view name)
{
    for (const ExperimentInfo& info : Experiments)
        if (info.Name == name)
            return info.Id;
    return std::nullopt;
}

std::string SwitchPositions(Experiment experiment)
{
    const SwitchConfiguration k = SwitchesOf(experiment);
    return std::to_string(k.K1Index + 1) + ' ' + std::to_string(k.K2Index + 1) + ' '
        + std::to_string(k.K3Index + 1);
}

} // namespace theory
