// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditFloatModel.h"

#include "EditFloatMessages.h"
#include "KeyFilter.h"
#include "LocaleNumber.h"
#include "common/text/NumberText.h"

#include <cmath>

namespace Msg = EditFloatMessages;

namespace {

// (Min + Max) / 2, also for limits so large that their sum overflows.
double Midpoint(double min, double max)
{
    const double mid = (min + max) / 2;
    return std::isfinite(mid) ? mid : min / 2 + max / 2;
}

}  // namespace

EditFloatModel::EditFloatModel(EditFloatHost& host) : host_(host)
{
    ValToText();
}

void EditFloatModel::Announce(const char* message)
{
    if (corrMsg_)
        host_.ShowMessage(message);
}

void EditFloatModel::SetMax(double max)
{
    if (!(max >= min_)) {
        host_.ShowMessage(Msg::kMaxBelowMin);
        return;
    }
    max_ = max;
    if (val_ > max_)
        SetVal0(max_);
}

void EditFloatModel::SetMin(double min)
{
    if (!(min <= max_)) {
        host_.ShowMessage(Msg::kMinAboveMax);
        return;
    }
    min_ = min;
    if (val_ < min_)
        SetVal0(min_);
}

void EditFloatModel::SetVal(double val)
{
    SetVal0(val);
    TextToVal();
}

void EditFloatModel::SetVal0(double candidate)
{
    const double before = val_;
    // Written so that a NaN candidate counts as below the limit.
    if (!(candidate >= min_)) {
        candidate = corrType_ ? min_ : before;
        Announce(corrType_ ? Msg::kBelowMinCorrected : Msg::kBelowMinRestored);
    }
    if (candidate > max_) {
        candidate = corrType_ ? max_ : before;
        Announce(corrType_ ? Msg::kAboveMaxCorrected : Msg::kAboveMaxRestored);
    }
    modify_ = candidate != before;
    if (modify_)
        val_ = candidate;
    ValToText();
}

bool EditFloatModel::GetModify()
{
    const double before = val_;
    if (!TextToVal()) {
        val_ = corrType_ ? Midpoint(min_, max_) : before;
        Announce(corrType_ ? Msg::kNoNumberCorrected : Msg::kNoNumberRestored);
    }
    const double candidate = val_;
    val_ = before;
    SetVal0(candidate);
    return modify_;
}

bool EditFloatModel::TextToVal()
{
    CorrectText();
    const auto number = ReadLocaleNumber(host_.Text(), host_.DecimalSeparator());
    if (!number)
        return false;
    val_ = *number;
    return true;
}

void EditFloatModel::ValToText()
{
    const char separator = host_.DecimalSeparator();
    if (!gFormat_) {
        host_.SetText(General15Text(val_, separator));
        return;
    }
    // "%g" followed by CorrectText, composed before it reaches the control so
    // that a display which does not change raises no change notification.
    std::string text = PercentGText(val_);
    if (const auto pos = SeparatorToCorrect(text))
        text[*pos] = separator;
    host_.SetText(text);
}

void EditFloatModel::CorrectText()
{
    if (const auto pos = SeparatorToCorrect(host_.Text()))
        host_.ReplaceCharacter(*pos, host_.DecimalSeparator());
}

void EditFloatModel::KeyPress(char& key) const
{
    const std::string text = host_.Text();
    const KeyFilterState state{expInp_, min_, text, host_.SelectionStart(), host_.HasSelectedText(),
                               host_.DecimalSeparator()};
    if (!KeyPassesFilter(key, state))
        key = 0;
}
