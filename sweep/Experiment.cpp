#include "Experiment.h"

#include <array>
#include <string>

namespace {

const std::array<ExperimentInfo, 5> Experiments{{
    {Experiment::NoisePower, "noise-power", {2, 1, 1},
     "mean square of Filter1 over 5000 outputs of noise alone",
     "Показание регистра, мВ²", "мощность шума"},
    {Experiment::Detection, "detection", {0, 1, 0},
     "Filter1 > H while signal 1 is sent",
     "Частота обнаружения", "обнаружение"},
    {Experiment::FalseAlarms, "false-alarms", {2, 1, 0},
     "Filter1 > H on noise alone",
     "Частота ложных тревог", "ложные тревоги"},
    {Experiment::Distinction1, "distinction1", {0, 0, 0},
     "Filter1 - Filter2 > H while signal 1 is sent",
     "Частота решений «сигнал 1» при сигнале 1", "различение, послан сигнал 1"},
    {Experiment::Distinction2, "distinction2", {1, 0, 0},
     "Filter1 - Filter2 > H while signal 2 is sent",
     "Частота решений «сигнал 1» при сигнале 2", "различение, послан сигнал 2"},
}};

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
    const SwitchConfiguration& k = Describe(experiment).Switches;
    return std::to_string(k.K1Index + 1) + ' ' + std::to_string(k.K2Index + 1) + ' '
        + std::to_string(k.K3Index + 1);
}
