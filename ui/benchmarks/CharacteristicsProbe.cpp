// SPDX-License-Identifier: GPL-3.0-or-later
// Times the window «Характеристики» as the student uses it, offscreen:
//  - an operating characteristic (detection and false alarms, K = 6, 101
//    thresholds, 10^5 trials a point) from the click on «Построить» to the
//    picture painted (target: under 2 s);
//  - on longer runs (10^6 trials a point; the noise power at 100 gains),
//    the longest wait between two moves of the progress bar (target: at
//    most 200 ms on a run over 1 s);
//  - the time from «Остановить» to the window ready again (target: 0.1 s),
//    and what one chunk of 10,000 trials costs for each experiment, the
//    unit a stop waits for.
//   QT_QPA_PLATFORM=offscreen characteristics-probe [repetitions]
#include "bench/ComputePath.h"
#include "editfloat/EditFloatUnit.h"
#include "sweep/lib/CurveTrials.h"
#include "ui/analysis/CharacteristicsUnit.h"
#include "ui/analysis/SweepPlotView.h"
#include "ui/support/Application.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

constexpr int TrialsOf100000 = 2;
constexpr int TrialsOf1000000 = 3;

double Milliseconds(const QElapsedTimer& clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// From the click to the picture painted in the window.
double BuildToPicture(TCharacteristicsForm& form)
{
    QSignalSpy ended(&form, &TCharacteristicsForm::RunEnded);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(form.BuildButton, Qt::LeftButton);
    if (!ended.wait(60000))
        return -1.0;
    form.PlotView->viewport()->repaint();
    return Milliseconds(clock);
}

struct ProgressFigures {
    double Run = 0.0;         // ms
    double LongestWait = 0.0; // ms between two moves of the bar, the start and the end counted
    int Moves = 0;
};

ProgressFigures FollowProgress(TCharacteristicsForm& form)
{
    ProgressFigures figures;
    QElapsedTimer clock;
    double last = 0.0;
    QObject::connect(form.Progress, &QProgressBar::valueChanged, &form, [&] {
        const double now = Milliseconds(clock);
        figures.LongestWait = std::max(figures.LongestWait, now - last);
        last = now;
        ++figures.Moves;
    });
    QSignalSpy ended(&form, &TCharacteristicsForm::RunEnded);
    clock.start();
    QTest::mouseClick(form.BuildButton, Qt::LeftButton);
    ended.wait(120000);
    figures.Run = Milliseconds(clock);
    figures.LongestWait = std::max(figures.LongestWait, figures.Run - last);
    QObject::disconnect(form.Progress, nullptr, &form, nullptr);
    return figures;
}

double StopToReady(TCharacteristicsForm& form, int afterMilliseconds)
{
    QSignalSpy ended(&form, &TCharacteristicsForm::RunEnded);
    QTest::mouseClick(form.BuildButton, Qt::LeftButton);
    QTest::qWait(afterMilliseconds);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(form.StopButton, Qt::LeftButton);
    ended.wait(60000);
    return Milliseconds(clock);
}

void Ask(TCharacteristicsForm& form, TCharacteristicsForm::Drawing drawing, double from, double to, double step)
{
    form.DrawingChoice->setCurrentIndex(static_cast<int>(drawing));
    form.FromField->SetVal(from);
    form.ToField->SetVal(to);
    form.StepField->SetVal(step);
}

double ChunkCost(theory::Experiment experiment)
{
    sweep::SweepSettings settings;
    std::vector<double> statistics(static_cast<size_t>(sweep::ChunkTrials));
    std::vector<double> times;
    for (int run = 0; run < 9; ++run) {
        QElapsedTimer clock;
        clock.start();
        sweep::CurveTrials(settings, experiment, 1000.0, 1u, run * sweep::ChunkTrials, statistics);
        times.push_back(Milliseconds(clock));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    AnalysisHost host;
    host.Bench = [] { return BenchChoice{1, 2, 6.0}; };
    TCharacteristicsForm form(host, nullptr);
    form.resize(1000, 700);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    Ask(form, TCharacteristicsForm::Drawing::DetectionCharacteristic, 0.0, 100.0, 1.0);

    std::printf("compute path %s, %u threads\n", PathName(FastestComputePath()).data(),
        std::max(1u, std::thread::hardware_concurrency()));
    form.TrialsChoice->setCurrentIndex(TrialsOf100000);
    std::vector<double> times;
    for (int run = 0; run < repetitions; ++run)
        times.push_back(BuildToPicture(form));
    std::sort(times.begin(), times.end());
    std::printf("operating characteristic, 101 thresholds x 10^5 trials, click to picture: median %.0f ms, "
                "longest %.0f ms (target < 2000 ms)\n",
        times[times.size() / 2], times.back());

    form.TrialsChoice->setCurrentIndex(TrialsOf1000000);
    Ask(form, TCharacteristicsForm::Drawing::DistinctionCharacteristic, -150.0, 150.0, 3.0);
    const ProgressFigures distinction = FollowProgress(form);
    std::printf("distinction characteristic, 101 thresholds x 10^6 trials: run %.0f ms, progress bar moved %d "
                "times, longest wait %.0f ms\n",
        distinction.Run, distinction.Moves, distinction.LongestWait);
    Ask(form, TCharacteristicsForm::Drawing::NoisePowerAgainstGain, 0.1, 10.0, 0.1);
    const ProgressFigures noisePower = FollowProgress(form);
    std::printf("noise power against K, 100 gains x 1000 readings: run %.0f ms, progress bar moved %d times, "
                "longest wait %.0f ms (target <= 200 ms on a run over 1 s)\n",
        noisePower.Run, noisePower.Moves, noisePower.LongestWait);
    Ask(form, TCharacteristicsForm::Drawing::DistinctionCharacteristic, -150.0, 150.0, 3.0);

    std::vector<double> stops;
    for (int run = 0; run < repetitions; ++run)
        stops.push_back(StopToReady(form, 150 + 40 * run));
    std::sort(stops.begin(), stops.end());
    std::printf("«Остановить» to the window ready: median %.1f ms, longest %.1f ms (target <= 100 ms)\n",
        stops[stops.size() / 2], stops.back());

    for (theory::Experiment e : {theory::Experiment::Detection, theory::Experiment::FalseAlarms,
             theory::Experiment::Distinction1, theory::Experiment::Distinction2})
        std::printf("one chunk of %lld trials, %s, K = 1000: %.2f ms\n", static_cast<long long>(sweep::ChunkTrials),
            theory::Describe(e).Name.data(), ChunkCost(e));
    return 0;
}
