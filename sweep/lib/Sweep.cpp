// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sweep.h"

#include "CurveTrials.h"
#include "bench/DetectorBench.h"
#include "theory/TheoryComparison.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace sweep {

namespace {

// Keeps the sum of what the bench publishes over several runs.
uint64_t SplitMix64(uint64_t x)
{
    x += 0x9E3779B97F4A7C15u;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
    return x ^ (x >> 31);
}

void Compare(PointResult& result, const SweepSettings& settings)
{
    const SweepPoint& point = result.Point;
    static_cast<theory::Comparison&>(result) = theory::CompareWithTheory(point.Kind, settings.Signal1, settings.Signal2, point.Gain,
        point.Threshold, result.Trials, result.Counter, result.Reading);
}

// The points of one experiment at one gain, consecutive in the plan.
struct Curve {
    size_t FirstPoint;
    size_t Points;
    int64_t Chunks;
};

// Hands out the chunks of every curve in the plan's order, adds up their
// counts and completes a curve's points when its last chunk is in. A
// noise-power point is one chunk of its own, run as the bench runs it.
class CurveWork {
public:
    CurveWork(const SweepSettings& settings, const std::vector<SweepPoint>& plan, std::vector<PointResult>& results,
        SweepWatch* watch)
        : settings_(settings), plan_(plan), results_(results), watch_(watch), counts_(plan.size(), 0)
    {
        const int64_t chunks = std::max<int64_t>((settings.Trials + ChunkTrials - 1) / ChunkTrials, 1);
        for (size_t first = 0; first < plan.size();) {
            const bool counts = CountsTrials(plan[first].Kind);
            const size_t points = counts ? settings.Thresholds.size() : 1;
            curves_.push_back({first, points, counts ? chunks : 1});
            chunksLeft_.push_back(curves_.back().Chunks);
            first += points;
        }
    }

    size_t Chunks() const
    {
        size_t chunks = 0;
        for (const Curve& curve : curves_)
            chunks += static_cast<size_t>(curve.Chunks);
        return chunks;
    }

    // One worker: takes chunks until none is left or a stop is asked for.
    void Run()
    {
        std::vector<double> statistics;
        std::vector<int64_t> counts;
        size_t curve = 0;
        int64_t chunk = 0;
        while (!Stopped() && Take(curve, chunk)) {
            const Curve& c = curves_[curve];
            const SweepPoint& point = plan_[c.FirstPoint];
            if (!CountsTrials(point.Kind)) {
                results_[c.FirstPoint] = RunPoint(settings_, point, watch_ != nullptr ? watch_->Stop : nullptr);
                if (watch_ != nullptr) {
                    ++watch_->PointsDone;
                    ++watch_->ChunksDone;
                }
                continue;
            }
            const int64_t first = chunk * ChunkTrials;
            statistics.resize(static_cast<size_t>(std::min<int64_t>(ChunkTrials, settings_.Trials - first)));
            CurveTrials(settings_, point.Kind, point.Gain, point.Seed, first, statistics);
            counts.assign(c.Points, 0);
            AddCountsAbove(statistics, settings_.Thresholds, counts);
            if (AddCounts(curve, counts))
                Complete(c);
            if (watch_ != nullptr)
                ++watch_->ChunksDone;
        }
    }

private:
    bool Stopped() const { return watch_ != nullptr && watch_->Stopped(); }

    bool Take(size_t& curve, int64_t& chunk)
    {
        const std::scoped_lock lock(mutex_);
        if (nextCurve_ == curves_.size())
            return false;
        curve = nextCurve_;
        chunk = nextChunk_;
        if (++nextChunk_ == curves_[curve].Chunks) {
            ++nextCurve_;
            nextChunk_ = 0;
        }
        return true;
    }

    // True when these were the curve's last counts. A long curve's points
    // count as done in proportion to its chunks, so that its progress shows.
    bool AddCounts(size_t curve, const std::vector<int64_t>& counts)
    {
        const std::scoped_lock lock(mutex_);
        const Curve& c = curves_[curve];
        for (size_t i = 0; i < counts.size(); ++i)
            counts_[c.FirstPoint + i] += counts[i];
        const auto chunks = static_cast<size_t>(c.Chunks);
        const auto done = chunks - static_cast<size_t>(--chunksLeft_[curve]);
        if (watch_ != nullptr)
            watch_->PointsDone += done * c.Points / chunks - (done - 1) * c.Points / chunks;
        return done == chunks;
    }

    void Complete(const Curve& curve)
    {
        for (size_t i = curve.FirstPoint; i < curve.FirstPoint + curve.Points; ++i) {
            PointResult& result = results_[i];
            result = PointResult{};
            result.Point = plan_[i];
            result.Trials = settings_.Trials;
            result.Counter = counts_[i];
            Compare(result, settings_);
        }
    }

    const SweepSettings& settings_;
    const std::vector<SweepPoint>& plan_;
    std::vector<PointResult>& results_;
    SweepWatch* const watch_;
    std::vector<Curve> curves_;
    std::mutex mutex_;
    size_t nextCurve_ = 0;
    int64_t nextChunk_ = 0;
    std::vector<int64_t> chunksLeft_;
    std::vector<int64_t> counts_; // per point
};

} // namespace

uint32_t CurveSeed(uint32_t baseSeed, Experiment experiment, size_t gainIndex)
{
    const uint64_t key = (uint64_t{baseSeed} << 32) ^ (uint64_t(experiment) << 28) ^ uint64_t(gainIndex);
    return static_cast<uint32_t>(SplitMix64(key) >> 32);
}

std::vector<SweepPoint> PlanSweep(const SweepSettings& settings, uint32_t baseSeed)
{
    std::vector<SweepPoint> plan;
    for (Experiment experiment : settings.Experiments) {
        const std::vector<double> noThreshold{0.0};
        const std::vector<double>& thresholds = CountsTrials(experiment) ? settings.Thresholds : noThreshold;
        size_t index = 0;
        for (size_t gain = 0; gain < settings.Gains.size(); ++gain) {
            const uint32_t seed = CurveSeed(baseSeed, experiment, gain);
            for (double threshold : thresholds)
                plan.push_back({experiment, index++, settings.Gains[gain], threshold, seed});
        }
    }
    return plan;
}

PointResult RunPoint(const SweepSettings& settings, const SweepPoint& point, const std::atomic<int>* stop)
{
    DetectorBench bench(point.Seed);
    const MeasurementInputs inputs = BenchInputs(settings, point.Kind, point.Gain, point.Threshold);
    PointResult result{{}, point};
    double readingSum = 0.0;
    int32_t runs = 0;
    for (; runs < settings.Trials / TrialCount; ++runs) {
        if (stop != nullptr && stop->load() != 0)
            return {{}, point};
        const MeasurementResult published = bench.Measure(inputs).value_or(MeasurementResult{});
        readingSum += published.RegisterReading;
        result.Trials += published.Trials;
        result.Counter += published.Counter;
    }
    result.Reading = readingSum / static_cast<double>(runs);
    Compare(result, settings);
    return result;
}

std::vector<PointResult> RunSweep(const SweepSettings& settings, uint32_t baseSeed, int threads, SweepWatch* watch)
{
    const std::vector<SweepPoint> plan = PlanSweep(settings, baseSeed);
    std::vector<PointResult> results(plan.size());
    CurveWork work(settings, plan, results, watch);
    if (watch != nullptr)
        watch->Chunks = work.Chunks();
    const size_t workers = std::min<size_t>(std::max(threads, 1), std::max<size_t>(work.Chunks(), 1));
    {
        std::vector<std::jthread> helpers;
        for (size_t t = 1; t < workers; ++t)
            helpers.emplace_back([&work] { work.Run(); });
        work.Run();
    } // the helpers join here, before the results leave
    return results;
}

} // namespace sweep
