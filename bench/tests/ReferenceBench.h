// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A plain, step-by-step model of the bench, written straight from the rules
// of the exercise without any of the core's shortcuts: the random state as
// two 32-bit halves, the delay line shifted slot by slot. The tests hold the
// core to it bit for bit.

#include "bench/Measurement.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

namespace reference {

inline uint64_t Bits(double x)
{
    return std::bit_cast<uint64_t>(x);
}

struct Random {
    uint32_t low = 0;
    uint32_t high = 0;

    explicit Random(uint32_t seed)
    {
        low = seed;
        high = 0;
        low = low * 22695477u + 1u;
    }

    uint64_t State() const { return (uint64_t{high} << 32) | low; }

    // (high:low) * (346:20021) + 1, modulo 2^64, from 32-bit halves.
    int32_t NextValue()
    {
        const uint64_t lowProduct = uint64_t{low} * 20021u + 1u;
        const uint32_t carry = static_cast<uint32_t>(lowProduct >> 32);
        high = high * 20021u + low * 346u + carry;
        low = static_cast<uint32_t>(lowProduct);
        return static_cast<int32_t>(high & 0x7FFFFFFFu);
    }
};

struct Noise {
    Random random;
    double level = 1.0;

    double Sample()
    {
        double sum = 0.0;
        for (int i = 0; i < 24; ++i) {
            const int32_t r = random.NextValue();
            const int32_t k = r % 100000;
            const double u = k * 0.00001;
            sum = sum + u - 0.5;
        }
        return (level * sum) / std::sqrt(2.0);
    }
};

struct Generator {
    int32_t length = 50;
    int32_t position = 0;
    int32_t shape = 1;

    double NextSample()
    {
        if (position >= length || position < 0)
            return 0.0;
        const int32_t split = length / 2 - 1;
        double value = 0.0;
        if (shape == 1)
            value = 1.0;
        else if (shape == 2)
            value = position < split ? 1.0 : -1.0;
        else if (shape == 3)
            value = -1.0;
        else if (shape == 4)
            value = position < split ? -1.0 : 1.0;
        position = position + 1;
        return value;
    }
};

struct Filter {
    std::array<double, 210> d{};
    int32_t length = 50;
    double output = 0.0;
    int32_t shape = 1;

    void Reset()
    {
        for (int32_t k = 0; k < length; ++k)
            d[static_cast<std::size_t>(k)] = 0.0;
        output = 0.0;
    }

    double At(int32_t k) const { return d[static_cast<std::size_t>(k)]; }

    double Step(double x)
    {
        const int32_t h = length / 2;
        double increment = 0.0;
        if (shape == 1)
            increment = x - At(length - 1);
        else if (shape == 2)
            increment = -x + 2 * At(h - 1) - At(length - 1);
        else if (shape == 3)
            increment = -x + At(length - 1);
        else if (shape == 4)
            increment = x - 2 * At(h - 1) + At(length - 1);
        else
            return output;
        output = output + increment;
        for (int32_t k = length - 1; k >= 1; --k)
            d[static_cast<std::size_t>(k)] = d[static_cast<std::size_t>(k - 1)];
        d[0] = x;
        return output;
    }
};

struct Bench {
    Noise noise;
    Generator generator1{50, 0, 1};
    Generator generator2{50, 0, 2};
    double squareSum = 0.0;
    Filter filter1{{}, 50, 0.0, 1};
    Filter filter2{{}, 50, 0.0, 2};
    double threshold = 0.0;
    int32_t counter = 0;

    explicit Bench(uint32_t seed)
        : noise{Random(seed)}
    {
    }

    MeasurementResult NoisePower()
    {
        filter1.Reset();
        squareSum = 0.0;
        for (int32_t i = 0; i < filter1.length + 2; ++i)
            filter1.Step(noise.Sample());
        for (int32_t i = 0; i < 5000; ++i) {
            const double y = filter1.Step(noise.Sample());
            squareSum = squareSum + y * y;
        }
        return {squareSum / 5000, 1, 0};
    }

    MeasurementResult Detection()
    {
        counter = 0;
        for (int32_t trial = 0; trial < 1000; ++trial) {
            generator1.position = 0;
            filter1.Reset();
            for (int32_t i = 0; i < generator1.length; ++i) {
                const double s = generator1.NextSample();
                const double n = noise.Sample();
                filter1.Step(s + n);
            }
            if (filter1.output > threshold)
                counter = counter + 1;
        }
        return {0.0, 1000, counter};
    }

    MeasurementResult FalseAlarms()
    {
        counter = 0;
        for (int32_t trial = 0; trial < 1000; ++trial) {
            filter1.Reset();
            for (int32_t i = 0; i < generator1.length; ++i)
                filter1.Step(noise.Sample());
            if (filter1.output > threshold)
                counter = counter + 1;
        }
        return {0.0, 1000, counter};
    }

    MeasurementResult Distinction(Generator& sent)
    {
        counter = 0;
        for (int32_t trial = 0; trial < 1000; ++trial) {
            sent.position = 0;
            filter1.Reset();
            filter2.Reset();
            for (int32_t i = 0; i < generator1.length; ++i) {
                const double s = sent.NextSample();
                const double n = noise.Sample();
                const double v = s + n;
                filter1.Step(v);
                filter2.Step(v);
            }
            if (filter1.output - filter2.output > threshold)
                counter = counter + 1;
        }
        return {0.0, 1000, counter};
    }

    // The published result, or nothing for a refused configuration.
    std::optional<MeasurementResult> Run(const MeasurementInputs& in)
    {
        generator1.shape = in.Signal1Shape;
        filter1.shape = in.Signal1Shape;
        generator2.shape = in.Signal2Shape;
        filter2.shape = in.Signal2Shape;
        noise.level = in.Gain;
        threshold = in.Threshold;
        const SwitchConfiguration& k = in.Switches;
        if (k.K1Index == 0 && k.K2Index == 0 && k.K3Index == 0)
            return Distinction(generator1);
        if (k.K1Index == 0 && k.K2Index == 1 && k.K3Index == 0)
            return Detection();
        if (k.K1Index == 1 && k.K2Index == 0 && k.K3Index == 0)
            return Distinction(generator2);
        if (k.K1Index == 2 && k.K2Index == 1 && k.K3Index == 0)
            return FalseAlarms();
        if (k.K1Index == 2 && k.K2Index == 1 && k.K3Index == 1)
            return NoisePower();
        return std::nullopt;
    }
};

} // namespace reference
