// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGraphicsView>
#include <memory>

namespace sweep {
class Plot;
}

// Shows a sweep's picture laid out at the size of the view (its labels at
// their size, not a fixed picture shrunk), and tells which measured point is
// under the mouse. Files lay the same picture out at their own size.
class SweepPlotView : public QGraphicsView {
    Q_OBJECT

public:
    explicit SweepPlotView(QWidget* parent = nullptr);
    ~SweepPlotView() override;

    // Shows this picture in place of the one before; null shows none.
    void SetPlot(std::unique_ptr<sweep::Plot> plot);
    sweep::Plot* CurrentPlot() const { return plot_.get(); }

    // The mark of the measured point nearest to a place in the view's
    // viewport, within a few pixels of the picture; -1 when there is none.
    int MarkAt(QPoint viewportPlace) const;

signals:
    // The mark under the mouse has changed (-1: none).
    void MarkHovered(int mark);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void Fit();
    void Hover(int mark);

    std::unique_ptr<sweep::Plot> plot_;
    int hovered_ = -1;
};
