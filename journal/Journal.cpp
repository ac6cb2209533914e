// SPDX-License-Identifier: GPL-3.0-or-later
#include "Journal.h"

#include "bench/Exercises.h"
#include "common/text/NumberText.h"
#include "theory/TheoryComparison.h"

#include <QDateTime>

namespace journal {

namespace {

constexpr Wording Refusal{"отказ", "refused"};
constexpr const char* NoValue = "—";

std::string Number(double value, char decimalSeparator)
{
    return WithDecimalSeparator(ShortestText(value), decimalSeparator);
}

std::string Fixed(double value, int decimals, char decimalSeparator)
{
    return WithDecimalSeparator(FixedText(value, decimals), decimalSeparator);
}

} // namespace

const Cells& ColumnHeadings(Language language)
{
    static const Cells russian{"№", "время", "К1", "К2", "К3", "эксперимент", "сигнал 1", "сигнал 2", "K",
        "H (мВ)", "регистратор (мВ*мВ)", "количество опытов", "счётчик", "частота", "нижняя граница 95 %",
        "верхняя граница 95 %", "теория", "вердикт"};
    static const Cells english{"No.", "time", "K1", "K2", "K3", "experiment", "signal 1", "signal 2", "K", "H (mV)",
        "register (mV*mV)", "trials", "counter", "frequency", "lower 95 % limit", "upper 95 % limit", "theory",
        "verdict"};
    return language == Language::English ? english : russian;
}

const Cells& ColumnNames()
{
    static const Cells names{"number", "time", "K1", "K2", "K3", "experiment", "signal 1", "signal 2", "K", "H",
        "register reading", "trials", "counter", "frequency", "low 95%", "high 95%", "theory", "verdict"};
    return names;
}

std::optional<RowJudgement> JudgeRow(const JournalRow& row)
{
    const MeasurementInputs& in = row.Inputs;
    const MeasurementResult& out = row.Result;
    const std::optional<Exercise> exercise = ExerciseChosenBy(in.Switches);
    if (!exercise)
        return std::nullopt;
    return RowJudgement{theory::Describe(*exercise).ShownName, CountsTrials(*exercise),
        theory::CompareWithTheory(*exercise, in.Signal1Shape, in.Signal2Shape, in.Gain, in.Threshold, out.Trials,
            out.Counter, out.RegisterReading)};
}

namespace {

// The cells of the settings and of what was published; what theory says is
// left to the caller.
Cells PublishedCells(const JournalRow& row, char decimalSeparator, Language language)
{
    const MeasurementInputs& in = row.Inputs;
    const MeasurementResult& out = row.Result;
    Cells cells;
    cells[column::Number] = std::to_string(row.Number);
    cells[column::Time] = row.Time;
    cells[column::K1] = std::to_string(in.Switches.K1Index + 1);
    cells[column::K2] = std::to_string(in.Switches.K2Index + 1);
    cells[column::K3] = std::to_string(in.Switches.K3Index + 1);
    cells[column::Experiment] = Refusal.In(language);
    cells[column::Signal1] = std::to_string(in.Signal1Shape);
    cells[column::Signal2] = std::to_string(in.Signal2Shape);
    cells[column::Gain] = Number(in.Gain, decimalSeparator);
    cells[column::Threshold] = Number(in.Threshold, decimalSeparator);
    cells[column::Reading] = Number(out.RegisterReading, decimalSeparator);
    cells[column::Trials] = std::to_string(out.Trials);
    cells[column::Counter] = std::to_string(out.Counter);
    for (size_t c = column::Frequency; c <= column::Verdict; ++c)
        cells[c] = NoValue;
    return cells;
}

// Fills in what theory says, each number by `text`.
template <typename Text>
Cells WithJudgement(Cells cells, const RowJudgement& judged, Language language, Text text)
{
    const theory::Comparison& comparison = judged.Comparison;
    cells[column::Experiment] = judged.ExperimentName.In(language);
    if (judged.CountsTrials)
        cells[column::Frequency] = text(comparison.Observed, column::Frequency);
    cells[column::Low95] = text(comparison.Range.Low, column::Low95);
    cells[column::High95] = text(comparison.Range.High, column::High95);
    if (comparison.TheoryApplies) {
        cells[column::Theory] = text(comparison.Theory, column::Theory);
        cells[column::Verdict] = (comparison.Consistent ? theory::ConsistentWord : theory::InconsistentWord).In(language);
    }
    return cells;
}

} // namespace

Cells RowCells(const JournalRow& row, char decimalSeparator, Language language)
{
    const std::optional<RowJudgement> judged = JudgeRow(row);
    if (!judged)
        return PublishedCells(row, decimalSeparator, language);
    // A frequency to four decimals, a reading (of about 50 K²) to three.
    const int decimals = judged->CountsTrials ? 4 : 3;
    return WithJudgement(PublishedCells(row, decimalSeparator, language), *judged, language, [&](double value, size_t c) {
        return c == column::Frequency ? Number(value, decimalSeparator) : Fixed(value, decimals, decimalSeparator);
    });
}

std::string TimeText(const QDateTime& time)
{
    const QDateTime local = time.toLocalTime();
    const int offsetMinutes = local.offsetFromUtc() / 60;
    const int magnitude = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    const QString offset = QStringLiteral("%1%2:%3")
                               .arg(offsetMinutes < 0 ? '-' : '+')
                               .arg(magnitude / 60, 2, 10, QLatin1Char('0'))
                               .arg(magnitude % 60, 2, 10, QLatin1Char('0'));
    return (local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + offset).toStdString();
}

} // namespace journal
