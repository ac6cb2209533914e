// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportText.h"

#include "common/language/Language.h"
#include "common/text/NumberText.h"
#include "theory/Experiment.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <map>

namespace report {

namespace {

using theory::Experiment;

// The report's words, translated in the context "ReportText".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ReportText)
};

QString Number(double value)
{
    return QString::fromStdString(WithDecimalComma(ShortestText(value)));
}

QString Fixed(double value, int decimals)
{
    return QString::fromStdString(WithDecimalComma(FixedText(value, decimals)));
}

QString Name(Experiment kind)
{
    const std::string_view name = theory::Describe(kind).ShownName.In(ProgramLanguage());
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// "1 точка", "2 точки", "5 точек": Russian's three forms, each with %n for
// the count. In English the translation of the third, which has the
// English forms ("%n points").
QString Counted(size_t count, const char* one, const char* few, const char* many)
{
    if (ProgramLanguage() == Language::English)
        return Texts::tr(many, nullptr, static_cast<int>(count));
    const size_t lastTwo = count % 100;
    const size_t last = count % 10;
    const char* word = lastTwo >= 11 && lastTwo <= 14 ? many : last == 1 ? one : last >= 2 && last <= 4 ? few : many;
    return QString::fromUtf8(word).replace(QStringLiteral("%n"), QString::number(count));
}

QString Shown(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("—") : text;
}

} // namespace

std::vector<std::pair<QString, QString>> TitleBlock(const ReportSource& source)
{
    return {{Texts::tr("Студент"), Shown(source.Title.Student)},
        {Texts::tr("Группа"), Shown(source.Title.Group)}, {Texts::tr("Дата"), Shown(source.Title.Date)},
        {Texts::tr("Журнал измерений"), Shown(QDir::toNativeSeparators(source.JournalFile))},
        {Texts::tr("Начальное число генератора шума"), QString::number(source.Analysis.Seed)}};
}

QString AimOfTheWork()
{
    return Texts::tr(
        "Исследовать обнаружение и различение известных сигналов на фоне гауссовского шума с помощью "
        "согласованных фильтров: измерить мощность шума на выходе согласованного фильтра, частоты обнаружения, "
        "ложных тревог и решений в пользу сигнала 1 при различении в зависимости от коэффициента усиления K и "
        "порога принятия решения H и сравнить их с тем, что предсказывает теория.");
}

std::vector<Configuration> ConfigurationsUsed(const JournalAnalysis& analysis)
{
    std::vector<Experiment> used;
    for (const CountPoint& point : analysis.Counts)
        used.push_back(point.Kind);
    if (!analysis.NoisePower.empty())
        used.push_back(Experiment::NoisePower);
    std::vector<Configuration> configurations;
    for (const ExerciseSwitches& exercise : Exercises) {
        if (std::find(used.begin(), used.end(), exercise.Id) == used.end())
            continue;
        const SwitchConfiguration& switches = exercise.Switches;
        Configuration configuration;
        configuration.K1 = switches.K1Index + 1;
        configuration.K2 = switches.K2Index + 1;
        configuration.K3 = switches.K3Index + 1;
        configuration.Description = Texts::tr("Опыт «%1»: ключи К1 = %2, К2 = %3, К3 = %4.")
                                        .arg(Name(exercise.Id))
                                        .arg(configuration.K1)
                                        .arg(configuration.K2)
                                        .arg(configuration.K3);
        configurations.push_back(configuration);
    }
    return configurations;
}

QString RowsSummary(const ReportSource& source)
{
    const JournalAnalysis& analysis = source.Analysis;
    if (analysis.Rows == 0)
        return Texts::tr("Журнал не содержит ни одной строки: измерений для отчёта нет.");
    QString text = Texts::tr("Журнал содержит %1; из них %2 (положения ключей, не соответствующие ни одному "
                                  "опыту) — они учтены, но не показаны. Опыты со счётчиком дали %3, измерения "
                                  "мощности шума — %4.")
                       .arg(Counted(analysis.Rows, "%n строку", "%n строки", QT_TRANSLATE_N_NOOP("ReportText", "%n строк")))
                       .arg(Counted(analysis.Refusals, "%n отказ", "%n отказа", QT_TRANSLATE_N_NOOP("ReportText", "%n отказов")))
                       .arg(Counted(analysis.Counts.size(), "%n точку", "%n точки", QT_TRANSLATE_N_NOOP("ReportText", "%n точек")))
                       .arg(Counted(analysis.NoisePower.size(), "%n значение K", "%n значения K", QT_TRANSLATE_N_NOOP("ReportText", "%n значений K")));
    if (!source.DifferingRows.empty())
        text += Texts::tr(" Строки, отмеченные звёздочкой (*), не воспроизводятся при проверке журнала "
                               "(раздел 6).");
    return text;
}

QString UnpairedSummary(const JournalAnalysis& analysis)
{
    QStringList points;
    for (size_t index : analysis.Unpaired)
        if (CountsTrials(analysis.Counts[index].Kind))
            points << QString::number(index + 1);
    if (points.isEmpty())
        return {};
    return Texts::tr("Точки без пары (для рабочей характеристики нужен опыт с теми же формами сигналов, K и H: "
                          "обнаружение и ложные тревоги, или различение при сигнале 1 и при сигнале 2): %1. Они "
                          "показаны в таблице 1 и на графиках частоты.")
        .arg(points.join(QStringLiteral(", ")));
}

QString MarkedRows(const std::vector<int64_t>& rows, const std::set<int64_t>& differing)
{
    // Runs of three and more rows that reproduce as one range; a cell of a
    // thousand repeated readings stays a line or two.
    constexpr qsizetype MaxPieces = 12;
    QStringList pieces;
    for (size_t i = 0; i < rows.size();) {
        size_t last = i;
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1 && !differing.contains(rows[i])
               && !differing.contains(rows[last + 1]))
            ++last;
        if (last >= i + 2) {
            pieces << QStringLiteral("%1–%2").arg(rows[i]).arg(rows[last]);
            i = last + 1;
        } else {
            pieces << QString::number(rows[i]) + (differing.contains(rows[i]) ? QStringLiteral("*") : QString());
            ++i;
        }
    }
    if (pieces.size() > MaxPieces) {
        pieces.resize(MaxPieces);
        pieces << Texts::tr("… (всего %1)").arg(Counted(rows.size(), "%n строка", "%n строки", QT_TRANSLATE_N_NOOP("ReportText", "%n строк")));
    }
    return pieces.join(QStringLiteral(", "));
}

QString ComparisonSummary(const JournalAnalysis& analysis)
{
    if (analysis.Judged == 0)
        return Texts::tr("Точек, которые можно сравнить с теорией, нет.");
    const size_t disagreeing = analysis.Judged - analysis.Agreeing;
    QString text = Texts::tr("Из %1 с вердиктом %2 с теорией на уровне 95 %: теория лежит внутри "
                                  "95-процентного интервала измеренной частоты (или среднего показания). ")
                       .arg(Counted(analysis.Judged, "%n точки", "%n точек", QT_TRANSLATE_N_NOOP("ReportText", "%n точек")))
                       .arg(analysis.Agreeing == 1 ? Texts::tr("1 согласуется")
                                                   : Texts::tr("%1 согласуются").arg(analysis.Agreeing));
    text += Texts::tr("Даже при верной теории примерно одна точка из двадцати выпадает из своего интервала "
                           "случайно, так что ожидается около %1 несогласий; ")
                .arg(Fixed(static_cast<double>(analysis.Judged) / 20.0, 1));
    text += disagreeing * 20 <= analysis.Judged + 20
        ? Texts::tr("%1 — в пределах случайного.").arg(Counted(disagreeing, "%n несогласие", "%n несогласия", QT_TRANSLATE_N_NOOP("ReportText", "%n несогласий")))
        : Texts::tr("%1 — заметно больше: проверьте установки этих точек.")
              .arg(Counted(disagreeing, "%n несогласие", "%n несогласия", QT_TRANSLATE_N_NOOP("ReportText", "%n несогласий")));
    QStringList points;
    for (size_t i = 0; i < analysis.Counts.size(); ++i)
        if (analysis.Counts[i].Verdict.TheoryApplies && !analysis.Counts[i].Verdict.Consistent)
            points << QString::number(i + 1);
    if (!points.isEmpty())
        text += Texts::tr(" Не согласуются точки таблицы 1: %1.").arg(points.join(QStringLiteral(", ")));
    return text;
}

std::vector<QString> VerificationText(const ReportSource& source)
{
    const QString file = source.JournalFile.isEmpty() ? Texts::tr("журнал.csv")
                                                      : QDir::toNativeSeparators(source.JournalFile);
    std::vector<QString> text{
        Texts::tr("Генератор шума стенда начинается с начального числа %1, и стенд, построенный заново с этим "
                       "числом и получивший установки строк журнала по порядку, даёт те же результаты до последнего "
                       "бита. Журнал проверяется командой:")
            .arg(source.Analysis.Seed),
        QStringLiteral("detector-lab-sweep --verify %1").arg(file)};
    if (!source.RowsReplayed)
        text.push_back(Texts::tr("При составлении отчёта журнал не проверялся."));
    else if (source.DifferingRows.empty() && *source.RowsReplayed == 1)
        text.push_back(Texts::tr("Проверка при составлении отчёта: единственная строка воспроизводится."));
    else if (source.DifferingRows.empty())
        text.push_back(Texts::tr("Проверка при составлении отчёта: все %1 воспроизводятся.")
                           .arg(Counted(*source.RowsReplayed, "%n строка", "%n строки", QT_TRANSLATE_N_NOOP("ReportText", "%n строк"))));
    else
        text.push_back(Texts::tr("Проверка при составлении отчёта: из %1 не воспроизводятся %2 (отмечены "
                                      "звёздочкой): %3.")
                           .arg(Counted(*source.RowsReplayed, "%n строки", "%n строк", QT_TRANSLATE_N_NOOP("ReportText", "%n строк")))
                           .arg(source.DifferingRows.size())
                           .arg(MarkedRows({source.DifferingRows.begin(), source.DifferingRows.end()}, {})));
    return text;
}

std::vector<QString> Conclusions(const JournalAnalysis& analysis)
{
    std::vector<QString> text;
    if (analysis.Judged > 0)
        text.push_back(Texts::tr("Измерения согласуются с теорией согласованной фильтрации: %1 из %2 с "
                                      "вердиктом лежат в пределах своих 95-процентных интервалов.")
                           .arg(analysis.Agreeing)
                           .arg(Counted(analysis.Judged, "%n точки", "%n точек", QT_TRANSLATE_N_NOOP("ReportText", "%n точек"))));
    std::map<double, double> readings;
    for (const NoisePowerPoint& point : analysis.NoisePower)
        if (point.Signal1 == analysis.NoisePower.front().Signal1)
            readings[point.Gain] = point.Mean;
    if (readings.size() >= 2)
        text.push_back(Texts::tr("Мощность шума на выходе фильтра растёт пропорционально K²: при K = %1 "
                                      "среднее показание %2 мВ², при K = %3 — %4 мВ² (теория: около 50·K²).")
                           .arg(Number(readings.begin()->first), Fixed(readings.begin()->second, 2),
                               Number(readings.rbegin()->first), Fixed(readings.rbegin()->second, 2)));
    if (!analysis.Detection.empty() || !analysis.Distinction.empty())
        text.push_back(Texts::tr("Точки рабочих характеристик (рис. выше) показывают, как порог H меняет "
                                      "частоту обнаружения вместе с частотой ложных тревог: %1.")
                           .arg(Counted(analysis.Detection.size() + analysis.Distinction.size(), "%n точка", "%n точки", QT_TRANSLATE_N_NOOP("ReportText", "%n точек"))));
    text.push_back(Texts::tr("Эти выводы составлены программой по журналу; дополните их своими."));
    return text;
}

} // namespace report
