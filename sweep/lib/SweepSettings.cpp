// SPDX-License-Identifier: GPL-3.0-or-later
#include "SweepSettings.h"

namespace sweep {

size_t PointsOf(const SweepSettings& settings, Experiment experiment)
{
    return CountsTrials(experiment) ? settings.Gains.size() * settings.Thresholds.size() : settings.Gains.size();
}

size_t PointsOf(const SweepSettings& settings)
{
    size_t points = 0;
    for (Experiment experiment : settings.Experiments)
        points += PointsOf(settings, experiment);
    return points;
}

} // namespace sweep
