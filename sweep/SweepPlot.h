#pragma once

#include "Sweep.h"

#include <QString>

#include <string>
#include <vector>

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
// theory as a line, into a .png or .svg file; the file is replaced only
// once the picture is complete. Needs a QApplication. Returns an error line,
// or nothing when the picture was written.
std::string WritePlot(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results,
    const QString& path);
