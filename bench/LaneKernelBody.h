// SPDX-License-Identifier: GPL-3.0-or-later
// The lane kernels, written once over the primitives of an instruction set.
// A kernel file defines LANE_TARGET (the target attribute of its functions)
// and a struct of primitives, then includes this file and instantiates
// KernelOf with its struct. Everything here stays private to that file and
// is compiled for its instruction set only.
//
// Isa provides:
//   Ints, Reals                    vectors of Width 64-bit integers / doubles
//   Width, Groups                  lanes per vector; vectors in flight at once
//   HasMultiply64, HasConvert64    native 64-bit multiply / integer-to-double
//   Load, Broadcast, Add, Subtract, And, Or, ShiftLeft<n>, ShiftRight<n>,
//   MultiplyHalves (low 32 bits of each lane, 64-bit products),
//   Multiply64 and ToReal (where native), LoadReal, StoreReal, BroadcastReal,
//   AddReal, SubtractReal, MultiplyReal, DivideReal, Negate, Reinterpret.

#include "LaneKernel.h"
#include "NoiseSource.h"
#include "NoiseTerms.h"
#include "RandomSource.h"
#include "SignalShape.h"

#include <array>
#include <cstdint>

namespace {

// The state maps from a sample's base state to each of its draws, with the
// multipliers' high halves ready for the 32-bit products.
struct DrawMap {
    uint64_t Multiplier;
    uint64_t MultiplierHigh;
    uint64_t Increment;
};

constexpr std::array<DrawMap, NoiseSource::DrawsPerSample> DrawMaps = [] {
    std::array<DrawMap, NoiseSource::DrawsPerSample> maps{};
    for (uint64_t draw = 0; draw < maps.size(); ++draw) {
        const StateMap map = RandomSource::Jump(draw + 1);
        maps[draw] = {map.Multiplier, map.Multiplier >> 32, map.Increment};
    }
    return maps;
}();

constexpr uint64_t DrawMask = 0x7FFFFFFFu;
// OR-ed into an integer below 2^52, these bits make the double 2^52 + k.
constexpr uint64_t TwoPower52Bits = 0x4330000000000000u;
constexpr double TwoPower52 = 0x1p52;

// a * b + c modulo 2^64 from 32-bit products, for lanes without a 64-bit
// multiply: Low = alow * blow + c and Cross = alow * bhigh + ahigh * blow,
// the result being Low + Cross * 2^32.
template <class Isa>
struct SplitProduct {
    typename Isa::Ints Low;
    typename Isa::Ints Cross;
};

template <class Isa>
LANE_TARGET inline SplitProduct<Isa> Split(typename Isa::Ints base, typename Isa::Ints baseHigh, const DrawMap& map)
{
    const auto multiplier = Isa::Broadcast(map.Multiplier);
    return {Isa::Add(Isa::MultiplyHalves(base, multiplier), Isa::Broadcast(map.Increment)),
        Isa::Add(Isa::MultiplyHalves(baseHigh, multiplier), Isa::MultiplyHalves(base, Isa::Broadcast(map.MultiplierHigh)))};
}

// map(base): the state `map` leads to from `base` (baseHigh = base >> 32).
template <class Isa>
LANE_TARGET inline typename Isa::Ints Advance(typename Isa::Ints base, typename Isa::Ints baseHigh, const DrawMap& map)
{
    if constexpr (Isa::HasMultiply64) {
        return Isa::Add(Isa::Multiply64(base, Isa::Broadcast(map.Multiplier)), Isa::Broadcast(map.Increment));
    } else {
        const SplitProduct<Isa> product = Split<Isa>(base, baseHigh, map);
        return Isa::Add(product.Low, Isa::template ShiftLeft<32>(product.Cross));
    }
}

// The draw that the state map(base) gives: its bits 32 to 62. Split, only
// the high half is formed: Low's high half plus Cross, modulo 2^32.
template <class Isa>
LANE_TARGET inline typename Isa::Ints DrawAt(typename Isa::Ints base, typename Isa::Ints baseHigh, const DrawMap& map)
{
    if constexpr (Isa::HasMultiply64) {
        return Isa::And(Isa::template ShiftRight<32>(Advance<Isa>(base, baseHigh, map)), Isa::Broadcast(DrawMask));
    } else {
        const SplitProduct<Isa> product = Split<Isa>(base, baseHigh, map);
        return Isa::And(Isa::Add(Isa::template ShiftRight<32>(product.Low), product.Cross), Isa::Broadcast(DrawMask));
    }
}

// The term (draw mod 100000) * 0.00001 of a draw, as NoiseSource forms it.
template <class Isa>
LANE_TARGET inline typename Isa::Reals TermOf(typename Isa::Ints draw)
{
    const auto quotient = Isa::template ShiftRight<noise_terms::QuotientShift>(
        Isa::MultiplyHalves(draw, Isa::Broadcast(noise_terms::QuotientMultiplier)));
    const auto index = Isa::Subtract(draw, Isa::MultiplyHalves(quotient, Isa::Broadcast(noise_terms::Steps)));
    typename Isa::Reals value;
    if constexpr (Isa::HasConvert64)
        value = Isa::ToReal(index);
    else
        value = Isa::SubtractReal(Isa::Reinterpret(Isa::Or(index, Isa::Broadcast(TwoPower52Bits))),
            Isa::BroadcastReal(TwoPower52));
    return Isa::MultiplyReal(value, Isa::BroadcastReal(noise_terms::Resolution));
}

// The map that moves a lane's state on by `stride` samples.
constexpr DrawMap StrideMap(int32_t stride)
{
    const StateMap map = RandomSource::Jump(static_cast<uint64_t>(stride) * NoiseSource::DrawsPerSample);
    return {map.Multiplier, map.Multiplier >> 32, map.Increment};
}

// One sample of every lane into noise[0 .. Lanes), each drawn from its
// lane's base state; then every base state moved on by `advance`.
template <class Isa>
LANE_TARGET inline void DrawStep(typename Isa::Ints* base, const DrawMap& advance, typename Isa::Reals scale,
    double* noise)
{
    using Ints = typename Isa::Ints;
    using Reals = typename Isa::Reals;
    constexpr int32_t Groups = Isa::Groups;
    const Reals root = Isa::BroadcastReal(noise_terms::SquareRootOfTwo);
    const Reals mean = Isa::BroadcastReal(noise_terms::Mean);
    Ints high[Groups];
    Reals sum[Groups];
    // 0.0 + u is u itself for every term u (never -0.0), so each sum
    // starts at u - 0.5.
#pragma GCC unroll 8
    for (int32_t g = 0; g < Groups; ++g) {
        high[g] = Isa::template ShiftRight<32>(base[g]);
        sum[g] = Isa::SubtractReal(TermOf<Isa>(DrawAt<Isa>(base[g], high[g], DrawMaps[0])), mean);
    }
    for (size_t draw = 1; draw < DrawMaps.size(); ++draw) {
#pragma GCC unroll 8
        for (int32_t g = 0; g < Groups; ++g)
            sum[g] = Isa::SubtractReal(
                Isa::AddReal(sum[g], TermOf<Isa>(DrawAt<Isa>(base[g], high[g], DrawMaps[draw]))), mean);
    }
#pragma GCC unroll 8
    for (int32_t g = 0; g < Groups; ++g) {
        Isa::StoreReal(noise + g * Isa::Width, Isa::DivideReal(Isa::MultiplyReal(scale, sum[g]), root));
        base[g] = Advance<Isa>(base[g], high[g], advance);
    }
}

template <class Isa>
LANE_TARGET void DrawNoise(const uint64_t* starts, int32_t samples, int32_t stride, double level, double* noise)
{
    constexpr int32_t Groups = Isa::Groups;
    constexpr int32_t Width = Isa::Width;
    const DrawMap advance = StrideMap(stride);
    const typename Isa::Reals scale = Isa::BroadcastReal(level);
    typename Isa::Ints base[Groups];
#pragma GCC unroll 8
    for (int32_t g = 0; g < Groups; ++g)
        base[g] = Isa::Load(starts + g * Width);
    for (int32_t i = 0; i < samples; ++i)
        DrawStep<Isa>(base, advance, scale, noise + i * Groups * Width);
}

inline bool Filters(const LaneFilter& filter)
{
    return filter.Shape >= AllPlus && filter.Shape <= MinusPlus;
}

// The taps of a filter in a burst laid out as DrawNoise leaves it: slot
// back - 1 of the delay line at step `step` of a burst into the freshly reset
// filter is the input `back` steps earlier, or the reset's zero.
template <class Isa>
struct BurstTaps {
    const double* Inputs;
    int32_t Step;

    LANE_TARGET typename Isa::Reals At(int32_t back) const
    {
        return Step >= back ? Isa::LoadReal(Inputs + (Step - back) * Isa::Groups * Isa::Width)
                            : Isa::BroadcastReal(0.0);
    }
};

// The taps of a filter over samples stored in order after the reset's zeros:
// Width consecutive inputs from `Input` on, each with its own taps.
template <class Isa>
struct RunTaps {
    const double* Input;

    LANE_TARGET typename Isa::Reals At(int32_t back) const { return Isa::LoadReal(Input - back); }
};

// What MatchedFilter::Step adds to the output of a filter of shape 1 to 4.
template <class Isa, class Taps>
LANE_TARGET inline typename Isa::Reals Increment(const LaneFilter& filter, typename Isa::Reals input, const Taps& taps)
{
    const typename Isa::Reals oldest = taps.At(filter.Length);
    if (filter.Shape == AllPlus)
        return Isa::SubtractReal(input, oldest);
    if (filter.Shape == AllMinus)
        return Isa::AddReal(Isa::Negate(input), oldest);
    const typename Isa::Reals twiceMiddle = Isa::MultiplyReal(Isa::BroadcastReal(2.0), taps.At(filter.Length / 2));
    if (filter.Shape == PlusMinus)
        return Isa::SubtractReal(Isa::AddReal(Isa::Negate(input), twiceMiddle), oldest);
    return Isa::AddReal(Isa::SubtractReal(input, twiceMiddle), oldest);
}

template <class Isa>
LANE_TARGET void Decide(const LaneTrial& trial, double* noise, double* statistics)
{
    using Reals = typename Isa::Reals;
    constexpr int32_t Lanes = Isa::Groups * Isa::Width;
    const bool filter1 = Filters(trial.Filter1);
    const bool filter2 = trial.Difference && Filters(trial.Filter2);
    for (int32_t lane = 0; lane < Lanes; lane += Isa::Width) {
        double* const inputs = noise + lane;
        Reals output1 = Isa::BroadcastReal(0.0);
        Reals output2 = Isa::BroadcastReal(0.0);
        for (int32_t step = 0; step < trial.Steps; ++step) {
            double* const at = inputs + step * Lanes;
            Reals input = Isa::LoadReal(at);
            if (trial.Signal) {
                input = Isa::AddReal(Isa::BroadcastReal(trial.Signal[step]), input);
                Isa::StoreReal(at, input);
            }
            const BurstTaps<Isa> taps{inputs, step};
            if (filter1)
                output1 = Isa::AddReal(output1, Increment<Isa>(trial.Filter1, input, taps));
            if (filter2)
                output2 = Isa::AddReal(output2, Increment<Isa>(trial.Filter2, input, taps));
        }
        Isa::StoreReal(statistics + lane, trial.Difference ? Isa::SubtractReal(output1, output2) : output1);
    }
}

// Steps of the lanes that the filter keeps behind the draws, so that it
// reads samples stored long before: a load that overlaps a store still in
// flight would wait for it.
constexpr int32_t FilterLag = 2;

// Samples from .. to - 1 of a noise-power run through the filter, `x`
// holding the samples after the reset's zeros. The increments are formed
// Width at a time; the output and the sum of squares, which each depend on
// their last value, are summed one sample at a time, as the filter steps.
template <class Isa>
LANE_TARGET inline void FilterSamples(const LaneNoiseRun& run, const double* x, int32_t from, int32_t to,
    LaneNoiseResult& result)
{
    constexpr int32_t Width = Isa::Width;
    alignas(sizeof(typename Isa::Reals)) double increments[Width];
    for (int32_t t = from; t < to; t += Width) {
        Isa::StoreReal(increments, Increment<Isa>(run.Filter, Isa::LoadReal(x + t), RunTaps<Isa>{x + t}));
        const int32_t count = to - t < Width ? to - t : Width;
        for (int32_t w = 0; w < count; ++w) {
            result.Output = result.Output + increments[w];
            if (t + w >= run.WarmUp)
                result.Squares = result.Squares + result.Output * result.Output;
        }
    }
}

// Lane k starts k samples on and moves on Lanes samples a step, so that the
// lanes store the source's samples in order; the filter follows FilterLag
// steps behind, its serial sums overlapping the next steps' draws.
template <class Isa>
LANE_TARGET LaneNoiseResult FilterNoise(const LaneNoiseRun& run, double* inputs)
{
    constexpr int32_t Groups = Isa::Groups;
    constexpr int32_t Width = Isa::Width;
    constexpr int32_t Lanes = Groups * Width;
    static constexpr std::array<StateMap, Lanes> LaneOffsets = [] {
        std::array<StateMap, Lanes> maps{};
        for (int32_t lane = 0; lane < Lanes; ++lane)
            maps[static_cast<size_t>(lane)] =
                RandomSource::Jump(static_cast<uint64_t>(lane) * NoiseSource::DrawsPerSample);
        return maps;
    }();
    static constexpr DrawMap Advance = StrideMap(Lanes);

    uint64_t starts[Lanes];
    for (int32_t lane = 0; lane < Lanes; ++lane)
        starts[lane] = LaneOffsets[static_cast<size_t>(lane)].Apply(run.State);
    typename Isa::Ints base[Groups];
#pragma GCC unroll 8
    for (int32_t g = 0; g < Groups; ++g)
        base[g] = Isa::Load(starts + g * Width);

    for (int32_t slot = 0; slot < run.Filter.Length; ++slot)
        inputs[slot] = 0.0;
    double* const x = inputs + run.Filter.Length;
    const typename Isa::Reals scale = Isa::BroadcastReal(run.Level);
    const int32_t steps = (run.Samples + Lanes - 1) / Lanes;
    LaneNoiseResult result{0.0, 0.0};
    int32_t filtered = 0;
    for (int32_t step = 0; step < steps; ++step) {
        DrawStep<Isa>(base, Advance, scale, x + step * Lanes);
        const int32_t ready = (step + 1 - FilterLag) * Lanes;
        if (ready > filtered && ready <= run.Samples) {
            FilterSamples<Isa>(run, x, filtered, ready, result);
            filtered = ready;
        }
    }
    FilterSamples<Isa>(run, x, filtered, run.Samples, result);
    return result;
}

template <class Isa>
constexpr LaneKernel KernelOf()
{
    return {Isa::Groups * Isa::Width, &DrawNoise<Isa>, &Decide<Isa>, &FilterNoise<Isa>};
}

} // namespace
