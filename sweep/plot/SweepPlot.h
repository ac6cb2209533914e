// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/language/Language.h"

#include "sweep/lib/Sweep.h"

#include <QByteArray>
#include <QPointF>
#include <QRectF>
#include <QSize>

#include <memory>
#include <optional>
#include <vector>

class QGraphicsScene;
class QPainter;

namespace sweep {

// What a picture sets against what.
enum class PlotKind {
    AgainstThreshold, // frequency against H, a curve per experiment and gain
    AgainstGain,      // frequency (or noise-power reading) against K
    Characteristic,   // one frequency against its pair's, H running along
};
PlotKind ChoosePlot(const SweepSettings& settings);

// The size a picture is saved at unless told, and the least it is laid out at.
inline constexpr int PlotWidth = 1000;
inline constexpr int PlotHeight = 700;
inline constexpr int MinPlotWidth = 240;
inline constexpr int MinPlotHeight = 180;

// A measured point as the picture draws it: its centre in the picture's
// pixels and the results it shows, as places in the list the picture was
// drawn from. A point of a characteristic shows two results: the vertical
// frequency's (`Result`) and the horizontal one's (`Across`).
struct PlotMark {
    QPointF At;
    size_t Result = 0;
    std::optional<size_t> Across;
};

// The picture of a sweep's results, in a scene of its own: each measured
// point a dark dot with its 95% interval as a bar, theory a dashed line in a
// light tone of the curve's colour (told apart in greyscale print too), the
// legend showing each as drawn, numbers with a decimal comma, its words in
// the language given (detector-lab-sweep's are Russian). It is laid out
// at a size in pixels, with its fonts at their size (labels of 12 px, 9 pt
// on a screen of 96 dpi) and the axes, legend and curves fitted around them:
// a window lays it out at the size of its view, a file at its own. Needs a
// QApplication.
class Plot {
public:
    // Laid out at PlotWidth x PlotHeight.
    Plot(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results,
        Language language = Language::Russian);
    ~Plot();
    Plot(const Plot&) = delete;
    Plot& operator=(const Plot&) = delete;

    QGraphicsScene& Scene() { return *scene_; }
    // The measured points at the present layout.
    const std::vector<PlotMark>& Marks() const { return marks_; }

    // Lays the picture out afresh at `size` (MinPlotWidth x MinPlotHeight at least).
    void LayOut(QSizeF size);
    QSizeF Size() const;

    // Draws the picture laid out at the target's size into it, then lays it
    // out again at the size it had.
    void Render(QPainter& painter, const QRectF& target);

    // The bytes of a PNG or SVG file of the picture at `size`; empty when
    // the picture could not be encoded.
    QByteArray Encode(bool svg, QSize size = QSize(PlotWidth, PlotHeight));

private:
    struct Drawing;
    std::unique_ptr<QGraphicsScene> scene_;
    std::unique_ptr<Drawing> drawing_;
    std::vector<PlotMark> marks_;
};

// The picture as the bytes of a PNG or SVG file (see Plot).
QByteArray DrawPlot(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results, bool svg);

} // namespace sweep
