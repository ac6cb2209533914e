// SPDX-License-Identifier: GPL-3.0-or-later
// Times one measurement as the student starts it: from the click on
// "Выполнить измерение" to the result painted in the three displays, for
// each of the five experiments, in the program's own windows with the
// session's journal kept as the program keeps it. Then the same click in a
// new session, and once its journal holds 10,000 rows: what a row costs
// must not grow with the session.
//   measurement-probe [repetitions]
// Prints one line per experiment, and per journal length: median and
// longest time in milliseconds; then the ratio of the medians at 10,000
// rows and at none.
#include "journal/KeptJournal.h"
#include "ui/controls/RadioGroup.h"
#include "ui/program/LabProgram.h"
#include "ui/support/Application.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Experiment {
    const char* name;
    int k1, k2, k3;
};

constexpr Experiment Experiments[] = {
    {"distinction of signal 1 (1 1 1)", 1, 1, 1}, {"detection (1 2 1)", 1, 2, 1},
    {"distinction of signal 2 (2 1 1)", 2, 1, 1}, {"false alarms (3 2 1)", 3, 2, 1},
    {"noise power (3 2 2)", 3, 2, 2},
};

constexpr size_t LongJournal = 10000;

struct Times {
    double Median;
    double Longest;
};

double ClickToPaintedResult(TForm1& form);

Times Clicks(TForm1& form, int repetitions)
{
    ClickToPaintedResult(form);
    std::vector<double> times;
    for (int run = 0; run < repetitions; ++run)
        times.push_back(ClickToPaintedResult(form));
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

double ClickToPaintedResult(TForm1& form)
{
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(form.Button3, Qt::LeftButton);
    for (QLabel* display : {form.StaticText1, form.StaticText2, form.StaticText3})
        display->repaint();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    LabProgram program;
    TForm1& form1 = *program.form1;
    TForm2& form2 = *program.form2;
    form1.show();
    if (!QTest::qWaitForWindowExposed(&form1))
        return 1;

    for (const Experiment& experiment : Experiments) {
        form2.RadioGroup1->Item(experiment.k1 - 1)->click();
        form2.RadioGroup2->Item(experiment.k2 - 1)->click();
        form2.RadioGroup3->Item(experiment.k3 - 1)->click();
        const Times times = Clicks(form1, repetitions);
        std::printf("%-34s median %6.2f ms   longest %6.2f ms\n", experiment.name, times.Median, times.Longest);
    }

    // The same noise-power click (the quickest, so that the journal's part
    // shows most) in a fresh session, then with 10,000 rows kept before it.
    program.Journal->StartSession(1u);
    const Times fresh = Clicks(form1, repetitions);
    const MeasurementInputs inputs{1, 2, 1.0, 0.0, {2, 1, 1}};
    while (program.Journal->Content().Rows.size() < LongJournal)
        program.Journal->Record(inputs, Bench.Measure(inputs).value_or(MeasurementResult{}));
    const Times long_ = Clicks(form1, repetitions);
    std::printf("%-34s median %6.2f ms   longest %6.2f ms\n", "noise power, a new journal", fresh.Median, fresh.Longest);
    std::printf("%-34s median %6.2f ms   longest %6.2f ms\n", "noise power, 10,000 rows kept", long_.Median, long_.Longest);
    std::printf("click to result at 10,000 rows / at none: %.2f\n", long_.Median / fresh.Median);
    return 0;
}
