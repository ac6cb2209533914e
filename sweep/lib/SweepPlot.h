#pragma once

#include "Sweep.h"

#include <QByteArray>

#include <vector>

namespace sweep {

// What a picture sets against what.
enum class PlotKind {
    AgainstThreshold, // frequency against H, a curve per experiment and gain
    AgainstGain,      // frequency (or noise-power reading) against K
    Characteristic,   // one frequency against its pair's, H running along
};
PlotKind ChoosePlot(const SweepSettings& settings);

inline constexpr int PlotWidth = 1000;
inline constexpr int PlotHeight = 700;

// Draws the results, each measured point with its 95% interval as a bar and
// theory as a line, as the bytes of a PNG or SVG file; empty when the
// picture could not be encoded. Needs a QApplication.
QByteArray DrawPlot(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results, bool svg);

} // namespace sweep
