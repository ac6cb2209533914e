// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportPictures.h"

#include "common/language/Language.h"
#include "sweep/plot/SweepPlot.h"
#include "theory/Theory.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <memory>
#include <set>

namespace report {

namespace {

// The texts of this file, translated in the context "ReportPictures".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ReportPictures)
};

using theory::Experiment;

// How far the theory curves reach beyond the student's thresholds, in the
// statistic's standard deviations: far enough for a characteristic to run
// from one corner to the other.
constexpr double SpreadsAround = 5.0;

sweep::PointResult ResultOf(const theory::Comparison& verdict, Experiment kind, size_t index, double gain,
    double threshold, int64_t trials, int64_t counter, double reading)
{
    sweep::PointResult result;
    static_cast<theory::Comparison&>(result) = verdict;
    result.Point = {kind, index, gain, threshold, 0};
    result.Trials = trials;
    result.Counter = counter;
    result.Reading = reading;
    return result;
}

sweep::PointResult ResultOf(const CountPoint& point, size_t index)
{
    return ResultOf(point.Verdict, point.Kind, index, point.Gain, point.Threshold, point.Trials, point.Counter, 0.0);
}

std::vector<double> Sorted(std::set<double> values)
{
    return {values.begin(), values.end()};
}

// The picture drawn afresh at each size asked for, from one plot made the
// first time.
ReportPicture Picture(QString caption, sweep::SweepSettings settings, uint32_t seed,
    std::vector<sweep::PointResult> results)
{
    auto plot = std::make_shared<std::unique_ptr<sweep::Plot>>();
    return {std::move(caption), [plot, settings = std::move(settings), seed, results = std::move(results),
                                    language = ProgramLanguage()](
                                    QPainter& painter, const QRectF& target) {
                // Laid out once at the size asked for: drawn again at that
                // size (page by page, say), it is only painted.
                if (!*plot || (*plot)->Size() != target.size()) {
                    *plot = std::make_unique<sweep::Plot>(settings, seed, results, language);
                    (*plot)->LayOut(target.size());
                }
                (*plot)->Render(painter, target);
            }};
}

sweep::SweepSettings SettingsFor(std::vector<Experiment> kinds, int32_t signal1, int32_t signal2)
{
    sweep::SweepSettings settings;
    settings.Experiments = std::move(kinds);
    settings.Signal1 = signal1;
    settings.Signal2 = signal2;
    settings.Trials = TrialCount;
    return settings;
}

// The thresholds whose span the theory curves cover: the student's, and
// SpreadsAround standard deviations beyond the statistics' means at every K.
std::vector<double> TheorySpan(const std::vector<const CountPoint*>& points)
{
    std::set<double> thresholds;
    for (const CountPoint* point : points) {
        thresholds.insert(point->Threshold);
        const theory::StatisticModel model
            = theory::DecisionStatistic(point->Kind, point->Signal1, point->Signal2, point->Gain);
        thresholds.insert(model.Mean - SpreadsAround * model.StandardDeviation);
        thresholds.insert(model.Mean + SpreadsAround * model.StandardDeviation);
    }
    return Sorted(thresholds);
}

void AddFrequencyPictures(const JournalAnalysis& analysis, std::vector<ReportPicture>& pictures)
{
    std::set<std::tuple<int32_t, int32_t, Experiment>> drawn;
    for (const CountPoint& first : analysis.Counts) {
        if (!drawn.insert({first.Signal1, first.Signal2, first.Kind}).second)
            continue;
        std::vector<const CountPoint*> points;
        std::set<double> gains;
        for (const CountPoint& point : analysis.Counts)
            if (point.Kind == first.Kind && point.Signal1 == first.Signal1 && point.Signal2 == first.Signal2) {
                points.push_back(&point);
                gains.insert(point.Gain);
            }
        sweep::SweepSettings settings = SettingsFor({first.Kind}, first.Signal1, first.Signal2);
        settings.Gains = Sorted(gains);
        settings.Thresholds = TheorySpan(points);
        std::vector<sweep::PointResult> results;
        for (const CountPoint* point : points)
            results.push_back(ResultOf(*point, results.size()));
        const std::string_view name = theory::Describe(first.Kind).ShownName.In(ProgramLanguage());
        pictures.push_back(Picture(Texts::tr("Частота «%1» в зависимости от порога H (сигнал 1 — форма %2, "
                                                  "сигнал 2 — форма %3)")
                                       .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))
                                       .arg(first.Signal1)
                                       .arg(first.Signal2),
            std::move(settings), analysis.Seed, std::move(results)));
    }
}

void AddCharacteristicPictures(const JournalAnalysis& analysis, const std::vector<CharacteristicPoint>& pairs,
    Experiment along, Experiment across, const QString& name, std::vector<ReportPicture>& pictures)
{
    std::set<std::pair<int32_t, int32_t>> drawn;
    for (const CharacteristicPoint& first : pairs) {
        const CountPoint& firstHit = analysis.Counts[first.Hit];
        if (!drawn.insert({firstHit.Signal1, firstHit.Signal2}).second)
            continue;
        std::vector<CharacteristicPoint> same;
        for (const CharacteristicPoint& pair : pairs)
            if (analysis.Counts[pair.Hit].Signal1 == firstHit.Signal1
                && analysis.Counts[pair.Hit].Signal2 == firstHit.Signal2)
                same.push_back(pair);
        // Each K's points in the order of their thresholds, both curves alike.
        std::sort(same.begin(), same.end(), [&](const CharacteristicPoint& a, const CharacteristicPoint& b) {
            return analysis.Counts[a.Hit].Threshold < analysis.Counts[b.Hit].Threshold;
        });
        std::vector<const CountPoint*> points;
        std::set<double> gains;
        std::vector<sweep::PointResult> results;
        for (const CharacteristicPoint& pair : same) {
            for (size_t index : {pair.Hit, pair.Alarm}) {
                points.push_back(&analysis.Counts[index]);
                results.push_back(ResultOf(analysis.Counts[index], results.size()));
            }
            gains.insert(analysis.Counts[pair.Hit].Gain);
        }
        sweep::SweepSettings settings = SettingsFor({along, across}, firstHit.Signal1, firstHit.Signal2);
        settings.Gains = Sorted(gains);
        settings.Thresholds = TheorySpan(points);
        pictures.push_back(Picture(Texts::tr("%1 (сигнал 1 — форма %2, сигнал 2 — форма %3)")
                                       .arg(name)
                                       .arg(firstHit.Signal1)
                                       .arg(firstHit.Signal2),
            std::move(settings), analysis.Seed, std::move(results)));
    }
}

void AddNoisePowerPictures(const JournalAnalysis& analysis, std::vector<ReportPicture>& pictures)
{
    std::set<int32_t> drawn;
    for (const NoisePowerPoint& first : analysis.NoisePower) {
        if (!drawn.insert(first.Signal1).second)
            continue;
        std::set<double> gains{0.0};
        std::vector<sweep::PointResult> results;
        for (const NoisePowerPoint& point : analysis.NoisePower)
            if (point.Signal1 == first.Signal1) {
                gains.insert(point.Gain);
                results.push_back(ResultOf(point.Verdict, Experiment::NoisePower, results.size(), point.Gain, 0.0,
                    static_cast<int64_t>(point.Readings.size()), 0, point.Mean));
            }
        sweep::SweepSettings settings = SettingsFor({Experiment::NoisePower}, first.Signal1, first.Signal2);
        settings.Gains = Sorted(gains);
        pictures.push_back(Picture(
            Texts::tr("Мощность шума на выходе фильтра 1 в зависимости от K (сигнал 1 — форма %1): среднее "
                           "показаний")
                .arg(first.Signal1),
            std::move(settings), analysis.Seed, std::move(results)));
    }
}

} // namespace

std::vector<ReportPicture> StudentPictures(const JournalAnalysis& analysis)
{
    std::vector<ReportPicture> pictures;
    AddFrequencyPictures(analysis, pictures);
    AddCharacteristicPictures(analysis, analysis.Detection, Experiment::Detection, Experiment::FalseAlarms,
        Texts::tr("Рабочая характеристика обнаружения"), pictures);
    AddCharacteristicPictures(analysis, analysis.Distinction, Experiment::Distinction1, Experiment::Distinction2,
        Texts::tr("Рабочая характеристика различения"), pictures);
    AddNoisePowerPictures(analysis, pictures);
    return pictures;
}

} // namespace report
