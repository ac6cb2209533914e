// SPDX-License-Identifier: GPL-3.0-or-later
#include "MatchedFilter.h"

#include "SignalShape.h"

#include <algorithm>

MatchedFilter::MatchedFilter(int32_t shape, int32_t requestedLength)
    : Shape(shape)
    , length_(std::clamp(requestedLength, MinLength, MaxLength))
{
}

void MatchedFilter::Reset()
{
    std::fill_n(delayLine_.begin(), length_, 0.0);
    newest_ = 0;
    Output.Clear();
}

double MatchedFilter::Slot(int32_t slot) const
{
    const int32_t index = newest_ + slot;
    return delayLine_[static_cast<std::size_t>(index < length_ ? index : index - length_)];
}

double MatchedFilter::Delayed(int32_t slot) const
{
    if (slot < 0 || slot >= length_)
        return 0.0;
    return Slot(slot);
}

double MatchedFilter::Step(double x)
{
    const int32_t half = length_ / 2;
    double increment = 0.0;
    switch (Shape) {
    case AllPlus: increment = x - Slot(length_ - 1); break;
    case PlusMinus: increment = -x + 2.0 * Slot(half - 1) - Slot(length_ - 1); break;
    case AllMinus: increment = -x + Slot(length_ - 1); break;
    case MinusPlus: increment = x - 2.0 * Slot(half - 1) + Slot(length_ - 1); break;
    default: return Output.Value;
    }
    Output.Add(increment);
    Shift(x);
    return Output.Value;
}

void MatchedFilter::Shift(double x)
{
    newest_ = (newest_ == 0 ? length_ : newest_) - 1;
    delayLine_[static_cast<std::size_t>(newest_)] = x;
}
