// SPDX-License-Identifier: GPL-3.0-or-later
#include "TheoryComparison.h"

#include "Theory.h"

#include <cmath>

namespace theory {

Comparison CompareWithTheory(Experiment experiment, int32_t signal1, int32_t signal2, double gain, double threshold,
    int64_t trials, int64_t counter, double reading)
{
    Comparison result;
    if (!CountsTrials(experiment)) {
        const ReadingModel model = NoisePowerReading(signal1, gain);
        result.Observed = reading;
        const double half = Normal95 * model.StandardDeviation / std::sqrt(static_cast<double>(trials));
        result.Range = {reading - half, reading + half};
        result.Theory = model.Expected;
        result.ModelMean = model.Expected;
        result.ModelSpread = model.StandardDeviation;
    } else {
        const StatisticModel model = DecisionStatistic(experiment, signal1, signal2, gain);
        result.Observed = static_cast<double>(counter) / static_cast<double>(trials);
        result.Range = WilsonInterval95(counter, trials);
        result.Theory = CrossingProbability(model, threshold);
        result.ModelMean = model.Mean;
        result.ModelSpread = model.StandardDeviation;
        result.TheoryApplies = ModelResolvesNoise(model);
    }
    result.Consistent = result.TheoryApplies && result.Range.Contains(result.Theory);
    return result;
}

} // namespace theory
