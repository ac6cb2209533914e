#include "SweepSettings.h"

size_t PointsOf(const SweepSettings& settings, Experiment experiment)
{
    return CountsTrials(experiment) ? settings.Gains.size() * settings.Thresholds.size() : settings.Gains.size();
}
