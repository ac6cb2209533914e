// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep/plot/SweepPlot.h"

#include <gtest/gtest.h>

using namespace sweep;

TEST(SweepPlotChoice, PairsDrawTheirCharacteristicAndSinglesTheirCurve)
{
    SweepSettings settings;
    settings.Thresholds = {0, 1};
    settings.Experiments = {Experiment::FalseAlarms, Experiment::Detection};
    EXPECT_EQ(ChoosePlot(settings), PlotKind::Characteristic);
    settings.Experiments = {Experiment::Detection, Experiment::Distinction1};
    EXPECT_EQ(ChoosePlot(settings), PlotKind::AgainstThreshold);
    settings.Thresholds = {0};
    settings.Experiments = {Experiment::Distinction2, Experiment::Distinction1};
    EXPECT_EQ(ChoosePlot(settings), PlotKind::AgainstGain);
}
