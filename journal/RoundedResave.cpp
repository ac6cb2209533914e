// SPDX-License-Identifier: GPL-3.0-or-later
#include "RoundedResave.h"

#include <QDir>
#include <QStandardPaths>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>

namespace journal {

namespace {

// Spreadsheets keep 15 significant digits: a text with more was not rounded by one.
constexpr int MostRoundedDigits = 15;

std::optional<double> Parsed(std::string_view text)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The digits after the point of a plain decimal ("49.29" has 2); -1 for a
// text in exponent form.
int Decimals(std::string_view text)
{
    if (text.find_first_of("eE") != std::string_view::npos)
        return -1;
    const size_t point = text.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

int SignificantDigits(std::string_view text)
{
    const size_t first = text.find_first_of("123456789");
    if (first == std::string_view::npos)
        return 0;
    return static_cast<int>(std::count_if(text.begin() + static_cast<std::ptrdiff_t>(first), text.end(),
        [](char c) { return c >= '0' && c <= '9'; }));
}

// The folder the laboratory program keeps its journals in.
std::string KeptFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir::toNativeSeparators(QDir(data).filePath(QStringLiteral("detector-lab"))).toStdString();
}

} // namespace

NumberMatch MatchNumber(std::string_view file, double exact, std::string_view written)
{
    if (file == written)
        return NumberMatch::Same;
    const std::optional<double> number = Parsed(file);
    if (!number)
        return NumberMatch::Different;
    const std::optional<double> writtenNumber = Parsed(written);
    if (*number == exact || number == writtenNumber)
        return NumberMatch::Same;
    const int decimals = Decimals(file);
    if (decimals < 0 || SignificantDigits(file) > MostRoundedDigits)
        return NumberMatch::Different;
    // Within half a unit of the file's last decimal, and the few steps of a
    // double that reading it back adds: a spreadsheet rounds the decimal
    // text, so ...885 may become ...89 where the double (...88499...) would
    // round down.
    const double halfUnit = 0.5 * std::pow(10.0, -decimals);
    for (double value : {exact, writtenNumber.value_or(exact)})
        if (std::abs(*number - value) <= halfUnit + 4.0 * std::abs(value) * DBL_EPSILON)
            return NumberMatch::Rounded;
    return NumberMatch::Different;
}

std::optional<std::string> RoundedResaveError(const std::vector<RowCheck>& checks)
{
    const auto rounded = std::find_if(checks.begin(), checks.end(), [](const RowCheck& c) { return c.Rounded; });
    const bool otherwise = std::any_of(checks.begin(), checks.end(),
        [](const RowCheck& c) { return !c.Reproduces && !c.Rounded; });
    if (rounded == checks.end() || otherwise)
        return std::nullopt;
    return "its numbers were rounded when it was saved again, as a spreadsheet saves them (line "
        + std::to_string(rounded->Line) + ": " + rounded->Difference
        + "); verify the original, which the laboratory program keeps as journal-*.csv in " + KeptFolder();
}

} // namespace journal
