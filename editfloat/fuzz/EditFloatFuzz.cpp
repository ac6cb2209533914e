// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the field's number reading and a whole commit of a typed text.
// Input: byte 0 chooses the separator and the flags, byte 1 the limits and the
// value held before; the rest is the text.
#include "ReferenceReading.h"
#include "editfloat/EditFloatMessages.h"
#include "editfloat/EditFloatModel.h"
#include "editfloat/LocaleNumber.h"
#include "tools/testsupport/RecordingHost.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace Msg = EditFloatMessages;

namespace {

struct Limits {
    double min;
    double max;
};

constexpr std::array<Limits, 8> kLimits{{
    {0, 1000}, {0, 1}, {-10, 10}, {-1e300, 1e300}, {5, 5}, {-1000, -1}, {0.001, 0.002}, {-1e308, 1.7e308},
}};
constexpr std::array<double, 8> kHeldBefore{0, 1, 500, -5, 1e-7, 123456.789, 1000, 0.5};

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

bool SameDouble(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void CheckReading(const std::string& text, char separator)
{
    const auto got = ReadLocaleNumber(text, separator);
    const auto expected = reference::ReadNumber(text, separator);
    Require(got.has_value() == expected.has_value());
    if (got)
        Require(SameDouble(*got, *expected));
}

void CheckCorrectedPosition(const std::string& text)
{
    const std::string marked = reference::Corrected(text, '\x01');
    const auto pos = SeparatorToCorrect(text);
    Require(pos.has_value() == (marked != text));
    if (pos)
        Require(marked[*pos] == '\x01' && marked.compare(0, *pos, text, 0, *pos) == 0);
}

// What one commit must do, worked out from the reference reading.
struct ExpectedCommit {
    double val;
    std::vector<std::string> messages;
};

ExpectedCommit Expect(const EditFloatModel& model, const std::string& text, char separator)
{
    const double before = model.Val();
    ExpectedCommit result{before, {}};
    const auto say = [&](const char* message) {
        if (model.CorrMsg())
            result.messages.emplace_back(message);
    };
    double candidate = 0;
    if (const auto number = reference::ReadNumber(reference::Corrected(text, separator), separator)) {
        candidate = *number;
    } else if (model.CorrType()) {
        candidate = (model.Min() + model.Max()) / 2;
        say(Msg::kNoNumberCorrected);
    } else {
        candidate = before;
        say(Msg::kNoNumberRestored);
    }
    if (candidate < model.Min()) {
        candidate = model.CorrType() ? model.Min() : before;
        say(model.CorrType() ? Msg::kBelowMinCorrected : Msg::kBelowMinRestored);
    }
    if (candidate > model.Max()) {
        candidate = model.CorrType() ? model.Max() : before;
        say(model.CorrType() ? Msg::kAboveMaxCorrected : Msg::kAboveMaxRestored);
    }
    if (candidate != before)
        result.val = candidate;
    return result;
}

void CheckCommit(EditFloatModel& model, RecordingHost& host)
{
    const double before = model.Val();
    const ExpectedCommit expected = Expect(model, host.text, host.separator);
    host.messages.clear();
    const bool changed = model.GetModify();
    Require(changed == !SameDouble(expected.val, before));
    Require(changed == model.Modified());
    Require(SameDouble(model.Val(), expected.val));
    Require(host.messages == expected.messages);
    Require(host.messages.size() <= 1);
    Require(model.Val() >= model.Min() && model.Val() <= model.Max());
    Require(host.text == reference::Display(model.Val(), model.GFormat(), host.separator));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::uint8_t flags = data[0];
    const std::uint8_t choice = data[1];
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
    const char separator = (flags & 1) != 0 ? ',' : '.';

    CheckReading(text, separator);
    CheckCorrectedPosition(text);

    RecordingHost host;
    host.separator = separator;
    EditFloatModel model(host);
    model.SetCorrType((flags & 2) != 0);
    model.SetCorrMsg((flags & 4) != 0);
    model.SetGFormat((flags & 8) != 0);
    const Limits limits = kLimits[choice % kLimits.size()];
    model.SetMax(limits.max);
    model.SetMin(limits.min);
    model.SetMax(limits.max);
    model.SetVal0(kHeldBefore[(choice / kLimits.size()) % kHeldBefore.size()]);
    Require(model.Min() == limits.min && model.Max() == limits.max);

    host.text = text;
    CheckCommit(model, host);
    // The next commit reads the text just shown.
    CheckCommit(model, host);
    return 0;
}
