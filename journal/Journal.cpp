// SPDX-License-Identifier: GPL-3.0-or-later
#include "Journal.h"

#include "bench/Exercises.h"
#include "common/text/NumberText.h"
#include "theory/TheoryComparison.h"

#include <QDateTime>

namespace journal {

namespace {

constexpr const char* Refusal = "отказ";
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

const Cells& ColumnHeadings()
{
    static const Cells headings{"№", "время", "К1", "К2", "К3", "эксперимент", "сигнал 1", "сигнал 2", "K",
        "H (мВ)", "регистратор (мВ*мВ)", "количество опытов", "счётчик", "частота", "нижняя граница 95 %",
        "верхняя граница 95 %", "теория", "вердикт"};
    return headings;
}

const Cells& ColumnNames()
{
    static const Cells names{"number", "time", "K1", "K2", "K3", "experiment", "signal 1", "signal 2", "K", "H",
        "register reading", "trials", "counter", "frequency", "low 95%", "high 95%", "theory", "verdict"};
    return names;
}

Cells RowCells(const JournalRow& row, char decimalSeparator)
{
    const MeasurementInputs& in = row.Inputs;
    const MeasurementResult& out = row.Result;
    Cells cells;
    cells[column::Number] = std::to_string(row.Number);
    cells[column::Time] = row.Time;
    cells[column::K1] = std::to_string(in.Switches.K1Index + 1);
    cells[column::K2] = std::to_string(in.Switches.K2Index + 1);
    cells[column::K3] = std::to_string(in.Switches.K3Index + 1);
    cells[column::Signal1] = std::to_string(in.Signal1Shape);
    cells[column::Signal2] = std::to_string(in.Signal2Shape);
    cells[column::Gain] = Number(in.Gain, decimalSeparator);
    cells[column::Threshold] = Number(in.Threshold, decimalSeparator);
    cells[column::Reading] = Number(out.RegisterReading, decimalSeparator);
    cells[column::Trials] = std::to_string(out.Trials);
    cells[column::Counter] = std::to_string(out.Counter);
    for (size_t c = column::Frequency; c <= column::Verdict; ++c)
        cells[c] = NoValue;

    const std::optional<Exercise> exercise = ExerciseChosenBy(in.Switches);
    if (!exercise) {
        cells[column::Experiment] = Refusal;
        return cells;
    }
    cells[column::Experiment] = std::string(theory::Describe(*exercise).RussianName);
    const theory::Comparison comparison = theory::CompareWithTheory(*exercise, in.Signal1Shape, in.Signal2Shape,
        in.Gain, in.Threshold, out.Trials, out.Counter, out.RegisterReading);
    const bool counts = CountsTrials(*exercise);
    // A frequency to four decimals, a reading (of about 50 K²) to three.
    const int decimals = counts ? 4 : 3;
    if (counts)
        cells[column::Frequency] = Number(comparison.Observed, decimalSeparator);
    cells[column::Low95] = Fixed(comparison.Range.Low, decimals, decimalSeparator);
    cells[column::High95] = Fixed(comparison.Range.High, decimals, decimalSeparator);
    if (comparison.TheoryApplies) {
        cells[column::Theory] = Fixed(comparison.Theory, decimals, decimalSeparator);
        cells[column::Verdict] = comparison.Consistent ? "согласуется" : "не согласуется";
    }
    return cells;
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
