// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sweep/lib/Sweep.h"

#include <QByteArray>
#include <QPointF>

#include <memory>
#include <optional>
#include <vector>

class QGraphicsScene;

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

// A measured point as the picture draws it: its centre in the picture's
// pixels and the results it shows, as places in the list the picture was
// drawn from. A point of a characteristic shows two results: the vertical
// frequency's (`Result`) and the horizontal one's (`Across`).
struct PlotMark {
    QPointF At;
    size_t Result = 0;
    std::optional<size_t> Across;
};

// The picture of a sweep's results, each measured point with its 95%
// interval as a bar and theory as a line, laid out at PlotWidth x PlotHeight
// in a scene of its own. Files are encoded from it and a window shows its
// scene, so both show one drawing. Needs a QApplication.
class Plot {
public:
    Plot(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results);
    ~Plot();
    Plot(const Plot&) = delete;
    Plot& operator=(const Plot&) = delete;

    QGraphicsScene& Scene() { return *scene_; }
    const std::vector<PlotMark>& Marks() const { return marks_; }

    // The bytes of a PNG or SVG file; empty when the picture could not be encoded.
    QByteArray Encode(bool svg);

private:
    std::unique_ptr<QGraphicsScene> scene_;
    std::vector<PlotMark> marks_;
};

// The picture as the bytes of a PNG or SVG file (see Plot).
QByteArray DrawPlot(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results, bool svg);

} // namespace sweep
