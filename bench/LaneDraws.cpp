// SPDX-License-Identifier: GPL-3.0-or-later
#include "LaneDraws.h"

#include "SignalShape.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

constexpr uint64_t DrawsPerSample = NoiseSource::DrawsPerSample;

// A sample is at most 12 / sqrt(2) times the level, an increment four
// samples, an output the sum of a filter's window of them: with levels up
// to this bound, nothing comes near the largest double but a square.
constexpr double LargestLaneLevel = 1e300;

// Each lane's first state: lane k starts k * laneDraws draws after `state`.
class LaneStarts {
public:
    LaneStarts(int32_t lanes, uint64_t laneDraws)
    {
        for (int32_t lane = 0; lane < lanes; ++lane)
            maps_.push_back(RandomSource::Jump(static_cast<uint64_t>(lane) * laneDraws));
        starts_.resize(maps_.size());
    }

    const uint64_t* From(uint64_t state)
    {
        for (size_t lane = 0; lane < maps_.size(); ++lane)
            starts_[lane] = maps_[lane].Apply(state);
        return starts_.data();
    }

private:
    std::vector<StateMap> maps_;
    std::vector<uint64_t> starts_;
};

} // namespace

// Lane k draws samples k, k + Lanes, k + 2 Lanes ...: the kernel leaves
// them in the order the source would have drawn them.
void DrawNoiseSamples(const LaneKernel& kernel, NoiseSource& noise, std::span<double> samples)
{
    const size_t lanes = static_cast<size_t>(kernel.Lanes);
    const size_t steps = (samples.size() + lanes - 1) / lanes;
    LaneStarts starts(kernel.Lanes, DrawsPerSample);
    std::vector<double> drawn(steps * lanes);
    kernel.DrawNoise(starts.From(noise.Random.State), static_cast<int32_t>(steps), kernel.Lanes, noise.Level,
        drawn.data());
    std::copy_n(drawn.begin(), samples.size(), samples.begin());
    noise.Random.Skip(samples.size() * DrawsPerSample);
}

// One trial per lane, Lanes trials at a time; a last block that is not full
// computes trials beyond the end and keeps only those asked for.
void DrawTrialStatistics(const LaneKernel& kernel, NoiseSource& noise, const LaneTrial& trial,
    std::span<double> statistics)
{
    const size_t lanes = static_cast<size_t>(kernel.Lanes);
    const uint64_t trialDraws = static_cast<uint64_t>(trial.Steps) * DrawsPerSample;
    LaneStarts starts(kernel.Lanes, trialDraws);
    const StateMap blockMap = RandomSource::Jump(lanes * trialDraws);
    std::vector<double> inputs(static_cast<size_t>(trial.Steps) * lanes);
    std::vector<double> decided(lanes);
    uint64_t state = noise.Random.State;
    for (size_t first = 0; first < statistics.size(); first += lanes) {
        kernel.DrawNoise(starts.From(state), trial.Steps, 1, noise.Level, inputs.data());
        kernel.Decide(trial, inputs.data(), decided.data());
        const size_t count = std::min(lanes, statistics.size() - first);
        std::copy_n(decided.begin(), count, statistics.begin() + static_cast<std::ptrdiff_t>(first));
        state = blockMap.Apply(state);
    }
    noise.Random.Skip(statistics.size() * trialDraws);
}

bool FiltersNoiseInLanes(const MatchedFilter& filter, double level)
{
    return filter.Shape >= AllPlus && filter.Shape <= MinusPlus && std::abs(level) <= LargestLaneLevel;
}

void FilterNoiseSamples(const LaneKernel& kernel, NoiseSource& noise, MatchedFilter& filter, int32_t samples,
    int32_t warmUp, Accumulator& squares)
{
    const int32_t length = filter.Length();
    // Not cleared: the kernel writes every value it reads.
    const auto inputs =
        std::make_unique_for_overwrite<double[]>(static_cast<size_t>(length + kernel.NoiseRunSlots(samples)));
    const LaneNoiseResult result =
        kernel.FilterNoise({noise.Random.State, noise.Level, {filter.Shape, length}, samples, warmUp}, inputs.get());
    // The delay line ends holding the last `length` inputs, the reset's
    // zeros where fewer were fed, the newest shifted in last.
    for (int32_t i = samples - length; i < samples; ++i)
        filter.Shift(inputs[static_cast<size_t>(length + i)]);
    filter.Output.Value = result.Output;
    squares.Value = result.Squares;
    noise.Random.Skip(static_cast<uint64_t>(samples) * DrawsPerSample);
}
