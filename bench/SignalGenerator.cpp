// SPDX-License-Identifier: GPL-3.0-or-later
#include "SignalGenerator.h"

SignalGenerator::SignalGenerator(int32_t shape, int32_t length)
    : Length(length)
    , Shape(shape)
{
}

void SignalGenerator::Rewind()
{
    Position = 0;
}

double SignalGenerator::NextSample()
{
    if (Position >= Length || Position < 0)
        return 0.0;

    // The first part ends one sample before the middle: 24 of 50 samples.
    const int32_t split = Length / 2 - 1;
    const bool firstPart = Position < split;
    double value = 0.0;
    switch (Shape) {
    case AllPlus: value = 1.0; break;
    case PlusMinus: value = firstPart ? 1.0 : -1.0; break;
    case AllMinus: value = -1.0; break;
    case MinusPlus: value = firstPart ? -1.0 : 1.0; break;
    default: break;
    }
    ++Position;
    return value;
}
