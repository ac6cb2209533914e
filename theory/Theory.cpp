// SPDX-License-Identifier: GPL-3.0-or-later
#include "Theory.h"

#include "bench/MatchedFilter.h"
#include "bench/SignalGenerator.h"

#include <cmath>
#include <numeric>

namespace theory {

namespace {

constexpr int32_t ReadingOutputs = 5000;
constexpr int32_t NoiseTerms = 24;
// k * 0.00001 with k uniform on 0 .. 99999: levels 0.00001 apart.
constexpr double LevelStep = 0.00001;

double Sum(const std::vector<double>& v)
{
    return std::accumulate(v.begin(), v.end(), 0.0);
}

double SumOfSquares(const std::vector<double>& v)
{
    return std::inner_product(v.begin(), v.end(), v.begin(), 0.0);
}

// Weights of the statistic on the inputs k steps back.
std::vector<double> StatisticWeights(Experiment experiment, int32_t signal1, int32_t signal2)
{
    std::vector<double> weights = FilterWeights(signal1);
    if (experiment == Experiment::Distinction1 || experiment == Experiment::Distinction2) {
        const std::vector<double> second = FilterWeights(signal2);
        for (size_t k = 0; k < weights.size(); ++k)
            weights[k] -= second[k];
    }
    return weights;
}

double NoiselessStatistic(Experiment experiment, int32_t signal1, int32_t signal2)
{
    switch (experiment) {
    case Experiment::Detection:
        return NoiselessOutput(signal1, signal1);
    case Experiment::Distinction1:
        return NoiselessOutput(signal1, signal1) - NoiselessOutput(signal2, signal1);
    case Experiment::Distinction2:
        return NoiselessOutput(signal1, signal2) - NoiselessOutput(signal2, signal2);
    case Experiment::FalseAlarms:
    case Experiment::NoisePower:
        break;
    }
    return 0.0;
}

} // namespace

NoiseMoments UnitNoise()
{
    // One term: k h - 0.5 with k uniform on 0 .. n - 1 and h n = 1, so its
    // mean is -h / 2, its variance (1 - h^2) / 12 and its fourth cumulant
    // -(1 - h^4) / 120, written so that nothing cancels.
    const double termMean = -LevelStep / 2.0;
    const double termVariance = (1.0 - LevelStep * LevelStep) / 12.0;
    const double termFourthCumulant = -(1.0 - std::pow(LevelStep, 4.0)) / 120.0;
    // The sum of 24 terms is divided by sqrt(2).
    return {
        NoiseTerms * termMean / std::sqrt(2.0),
        NoiseTerms * termVariance / 2.0,
        NoiseTerms * termFourthCumulant / 4.0,
    };
}

std::vector<double> FilterWeights(int32_t shape)
{
    MatchedFilter filter(shape, BurstLength);
    filter.Reset();
    std::vector<double> weights;
    weights.reserve(static_cast<size_t>(filter.Length()));
    weights.push_back(filter.Step(1.0));
    while (static_cast<int32_t>(weights.size()) < filter.Length())
        weights.push_back(filter.Step(0.0));
    return weights;
}

double NoiselessOutput(int32_t filterShape, int32_t burstShape)
{
    SignalGenerator generator(burstShape);
    MatchedFilter filter(filterShape, generator.Length);
    filter.Reset();
    double output = 0.0;
    for (int32_t step = 0; step < generator.Length; ++step)
        output = filter.Step(generator.NextSample());
    return output;
}

StatisticModel DecisionStatistic(Experiment experiment, int32_t signal1, int32_t signal2, double gain)
{
    const std::vector<double> weights = StatisticWeights(experiment, signal1, signal2);
    const NoiseMoments noise = UnitNoise();
    return {
        NoiselessStatistic(experiment, signal1, signal2) + gain * noise.Mean * Sum(weights),
        gain * std::sqrt(noise.Variance * SumOfSquares(weights)),
    };
}

bool ModelResolvesNoise(const StatisticModel& statistic)
{
    const double mean = std::abs(statistic.Mean);
    const double step = std::nextafter(mean, HUGE_VAL) - mean;
    return statistic.StandardDeviation == 0.0 || statistic.StandardDeviation >= MinNoiseSteps * step;
}

double CrossingProbability(const StatisticModel& statistic, double threshold)
{
    if (statistic.StandardDeviation == 0.0)
        return statistic.Mean > threshold ? 1.0 : 0.0;
    const double z = (threshold - statistic.Mean) / statistic.StandardDeviation;
    return 0.5 * std::erfc(z / std::sqrt(2.0));
}

ReadingModel NoisePowerReading(int32_t signal1, double gain)
{
    const std::vector<double> c = FilterWeights(signal1);
    const NoiseMoments noise = UnitNoise();
    const double k2 = gain * gain;
    const double expected = k2 * (noise.Variance * SumOfSquares(c) + std::pow(noise.Mean * Sum(c), 2.0));

    // Var of the mean of y[t]^2 over N outputs of y[t] = sum c[k] n[t - k]:
    // (1/N^2) sum over lags tau of (N - |tau|) Cov(y[t]^2, y[t + tau]^2), where
    // the covariance is 2 R(tau)^2 + kappa4 sum c[k]^2 c[k + tau]^2 and R is
    // the autocovariance of the output. The noise's tiny mean is left out.
    const size_t taps = c.size();
    double variance = 0.0;
    for (size_t lag = 0; lag < taps; ++lag) {
        double r = 0.0;
        double fourth = 0.0;
        for (size_t k = 0; k + lag < taps; ++k) {
            r += c[k] * c[k + lag];
            fourth += c[k] * c[k] * c[k + lag] * c[k + lag];
        }
        r *= noise.Variance;
        const double covariance = 2.0 * r * r + noise.FourthCumulant * fourth;
        const double pairs = ReadingOutputs - static_cast<double>(lag);
        variance += (lag == 0 ? 1.0 : 2.0) * pairs * covariance;
    }
    variance /= static_cast<double>(ReadingOutputs) * ReadingOutputs;
    return {expected, k2 * std::sqrt(variance)};
}

} // namespace theory
