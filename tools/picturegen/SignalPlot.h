// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plot of one test-signal shape (1 to 4), 304 x 174, red trace on black axes.

#include <QColor>
#include <QImage>

namespace picturegen {

struct PlotLevels {
    int zero;   // y of the time axis
    int plus;   // y of the +1 level
    int minus;  // y of the -1 level
};

inline constexpr int kPlotWidth = 304;
inline constexpr int kPlotHeight = 174;
inline constexpr int kPlotTimeZeroX = 106;
inline constexpr double kPlotPixelsPerMs = 72.0 / 50.0;

// Shape 4 is drawn 10 pixels lower than the others.
PlotLevels SignalPlotLevels(int shape);
QColor SignalTraceColour(int shape);
// +1 or -1: the level of `shape` in the first (half 0) or second (half 1) 25 ms.
int SignalLevel(int shape, int half);

QImage DrawSignalPlot(int shape);

} // namespace picturegen
