// SPDX-License-Identifier: GPL-3.0-or-later
#include "Experiment.h"

#include <array>
#include <string>

namespace theory {

namespace {

constexpr std::array<ExperimentInfo, Exercises.size()> Experiments{{
    {Experiment::NoisePower, "noise-power",
     "mean square of Filter1 over 5000 outputs of noise alone",
     {"Показание регистра, мВ²", "Register reading, mV²"}, {"мощность шума", "noise power"}},
    {Experiment::Detection, "detection",
     "Filter1 > H while signal 1 is sent",
     {"Частота обнаружения", "Frequency of detection"}, {"обнаружение", "detection"}},
    {Experiment::FalseAlarms, "false-alarms",
     "Filter1 > H on noise alone",
     {"Частота ложных тревог", "Frequency of false alarms"}, {"ложные тревоги", "false alarms"}},
    {Experiment::Distinction1, "distinction1",
     "Filter1 - Filter2 > H while signal 1 is sent",
     {"Частота решений «сигнал 1» при сигнале 1", "Frequency of deciding “signal 1” when signal 1 is sent"},
     {"различение, послан сигнал 1", "distinction, signal 1 sent"}},
    {Experiment::Distinction2, "distinction2",
     "Filter1 - Filter2 > H while signal 2 is sent",
     {"Частота решений «сигнал 1» при сигнале 2", "Frequency of deciding “signal 1” when signal 2 is sent"},
     {"различение, послан сигнал 2", "distinction, signal 2 sent"}},
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
