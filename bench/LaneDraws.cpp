// SPDX-License-Identifier: GPL-3.0-or-later
#include "LaneDraws.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr uint64_t DrawsPerSample = NoiseSource::DrawsPerSample;

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

// Each lane draws a run of consecutive samples; the runs are then read back
// in the order the source would have drawn them.
void DrawNoiseSamples(const LaneKernel& kernel, NoiseSource& noise, std::span<double> samples)
{
    const size_t lanes = static_cast<size_t>(kernel.Lanes);
    const size_t perLane = (samples.size() + lanes - 1) / lanes;
    LaneStarts starts(kernel.Lanes, perLane * DrawsPerSample);
    std::vector<double> runs(perLane * lanes);
    kernel.DrawNoise(starts.From(noise.Random.State), static_cast<int32_t>(perLane), noise.Level, runs.data());
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = runs[(i % perLane) * lanes + i / perLane];
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
        kernel.DrawNoise(starts.From(state), trial.Steps, noise.Level, inputs.data());
        kernel.Decide(trial, inputs.data(), decided.data());
        const size_t count = std::min(lanes, statistics.size() - first);
        std::copy_n(decided.begin(), count, statistics.begin() + static_cast<std::ptrdiff_t>(first));
        state = blockMap.Apply(state);
    }
    noise.Random.Skip(statistics.size() * trialDraws);
}
