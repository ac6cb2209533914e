// SPDX-License-Identifier: GPL-3.0-or-later
// Times one measurement as the student starts it: from the click on
// "Выполнить измерение" to the result painted in the three displays, for
// each of the five experiments, in the program's own windows with the
// session's journal kept as the program keeps it.
//   measurement-probe [repetitions]
// Prints one line per experiment: median and longest time in milliseconds.
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
        ClickToPaintedResult(form1);
        std::vector<double> times;
        for (int run = 0; run < repetitions; ++run)
            times.push_back(ClickToPaintedResult(form1));
        std::sort(times.begin(), times.end());
        std::printf("%-34s median %6.2f ms   longest %6.2f ms\n", experiment.name, times[times.size() / 2], times.back());
    }
    return 0;
}
