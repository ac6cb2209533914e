// SPDX-License-Identifier: GPL-3.0-or-later
#include "SweepPlotView.h"

#include "sweep/plot/SweepPlot.h"

#include <QGraphicsScene>
#include <QMouseEvent>

namespace {

// How far from a point's centre, in the screen's pixels, the mouse still
// shows it.
constexpr double Reach = 8.0;

} // namespace

SweepPlotView::SweepPlotView(QWidget* parent) : QGraphicsView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setMouseTracking(true);
    setBackgroundBrush(palette().window());
}

SweepPlotView::~SweepPlotView()
{
    setScene(nullptr); // before the picture's scene goes
}

void SweepPlotView::SetPlot(std::unique_ptr<sweep::Plot> plot)
{
    setScene(plot ? &plot->Scene() : nullptr);
    plot_ = std::move(plot);
    Hover(-1);
    Fit();
}

int SweepPlotView::MarkAt(QPoint viewportPlace) const
{
    if (!plot_)
        return -1;
    const QPointF place(viewportPlace);
    const QTransform toViewport = viewportTransform();
    const std::vector<sweep::PlotMark>& marks = plot_->Marks();
    int nearest = -1;
    double nearestDistance = Reach * Reach;
    for (size_t i = 0; i < marks.size(); ++i) {
        const QPointF d = toViewport.map(marks[i].At) - place;
        const double distance = QPointF::dotProduct(d, d);
        if (distance <= nearestDistance) {
            nearest = static_cast<int>(i);
            nearestDistance = distance;
        }
    }
    return nearest;
}

void SweepPlotView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    Fit();
}

void SweepPlotView::mouseMoveEvent(QMouseEvent* event)
{
    QGraphicsView::mouseMoveEvent(event);
    Hover(MarkAt(event->position().toPoint()));
}

void SweepPlotView::leaveEvent(QEvent* event)
{
    QGraphicsView::leaveEvent(event);
    Hover(-1);
}

// The picture is laid out at the viewport's size and shown at its own scale,
// so that its labels keep their size on any screen.
void SweepPlotView::Fit()
{
    if (!plot_)
        return;
    plot_->LayOut(QSizeF(viewport()->size()));
    resetTransform();
    centerOn(scene()->sceneRect().center());
    Hover(-1);
}

void SweepPlotView::Hover(int mark)
{
    if (mark == hovered_)
        return;
    hovered_ = mark;
    emit MarkHovered(mark);
}
