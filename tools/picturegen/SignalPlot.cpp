// SPDX-License-Identifier: GPL-3.0-or-later
#include "SignalPlot.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "Typefaces.h"

namespace picturegen {

namespace {

constexpr int kAxisLeftX = 34;
constexpr int kAxisRightX = 251;
constexpr int kTickLength = 3;

int TimeX(double ms)
{
    return kPlotTimeZeroX + static_cast<int>(std::lround(ms * kPlotPixelsPerMs));
}

void Axes(QPainter& painter, const PlotLevels& levels)
{
    painter.fillRect(QRect(QPoint(kAxisLeftX, levels.zero), QPoint(kAxisRightX, levels.zero)), Qt::black);
    for (const double ms : {-50.0, 50.0, 100.0}) {
        const int x = std::min(TimeX(ms), kAxisRightX);
        painter.fillRect(QRect(QPoint(x, levels.zero - kTickLength), QPoint(x, levels.zero + kTickLength)), Qt::black);
    }
    painter.fillRect(QRect(QPoint(kPlotTimeZeroX, levels.plus - 5), QPoint(kPlotTimeZeroX, levels.minus + 5)), Qt::black);
    for (const int y : {levels.plus, levels.minus})
        painter.fillRect(QRect(QPoint(kPlotTimeZeroX - kTickLength, y), QPoint(kPlotTimeZeroX + kTickLength, y)),
                         Qt::black);

    const QFont labels = SerifFont(13, false, false);
    const double labelTop = levels.zero + 6;
    const QString minus = QStringLiteral("−");
    // The trace jumps at 0 and 50 ms: those labels stand right of the jump, the others centred.
    for (const auto& [ms, text] : {std::pair{-50.0, minus + QStringLiteral("50")}, std::pair{100.0, QStringLiteral("100")}}) {
        const QRectF ink = TextInk(text, labels);
        const double x = std::min(TimeX(ms) - ink.width() / 2, kPlotWidth - ink.width() - 2);
        DrawTextInk(painter, text, labels, QPointF(x, labelTop));
    }
    for (const auto& [ms, text] : {std::pair{0.0, QStringLiteral("0")}, std::pair{50.0, QStringLiteral("50")}})
        DrawTextInk(painter, text, labels, QPointF(TimeX(ms) + 5, labelTop));
    DrawTextInk(painter, QStringLiteral("1"), labels,
                QPointF(kPlotTimeZeroX - 8 - TextInk(QStringLiteral("1"), labels).width(),
                        levels.plus - TextInk(QStringLiteral("1"), labels).height() / 2));
    const QString minusOne = minus + QStringLiteral("1");
    DrawTextInk(painter, minusOne, labels,
                QPointF(kPlotTimeZeroX - 8 - TextInk(minusOne, labels).width(),
                        levels.minus - TextInk(minusOne, labels).height() / 2));

    const QFont titles = SerifFont(15, true, true);
    const QString timeTitle = QStringLiteral("t, мс");
    DrawTextInk(painter, timeTitle, titles,
                QPointF(263, levels.zero - 5 - TextInk(timeTitle, titles).height()));
}

// "s" with the shape number as a real subscript, then "(t), В".
void Title(QPainter& painter, int shape)
{
    const QFont main = SerifFont(16, true, true);
    const QFont subscript = SerifFont(11, true, true);
    const QFontMetricsF metrics(main);
    const double baseline = 21;
    double x = 79;
    DrawTextAt(painter, QStringLiteral("s"), main, QPointF(x, baseline));
    x += metrics.horizontalAdvance(QStringLiteral("s"));
    DrawTextAt(painter, QString::number(shape), subscript, QPointF(x, baseline + 4));
    x += QFontMetricsF(subscript).horizontalAdvance(QString::number(shape)) + 1;
    DrawTextAt(painter, QStringLiteral("(t), В"), main, QPointF(x, baseline));
}

void Trace(QPainter& painter, int shape, const PlotLevels& levels)
{
    const auto levelY = [&](int level) { return level > 0 ? levels.plus : levels.minus; };
    // The 2-pixel pen covers exactly two rows or columns, starting at an even one:
    // the JPEG keeps one colour sample for each 2 x 2 block, and a trace that
    // shares its blocks with the white field would come out a dull brown.
    const auto corner = [](int x, int y) { return QPointF((x & ~1) + 1, (y & ~1) + 1); };
    QPainterPath path(corner(kAxisLeftX, levels.zero));
    path.lineTo(corner(TimeX(0), levels.zero));
    path.lineTo(corner(TimeX(0), levelY(SignalLevel(shape, 0))));
    path.lineTo(corner(TimeX(25), levelY(SignalLevel(shape, 0))));
    path.lineTo(corner(TimeX(25), levelY(SignalLevel(shape, 1))));
    path.lineTo(corner(TimeX(50), levelY(SignalLevel(shape, 1))));
    path.lineTo(corner(TimeX(50), levels.zero));
    path.lineTo(corner(kAxisRightX, levels.zero));
    painter.save();
    painter.setPen(QPen(SignalTraceColour(shape), 2.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

}  // namespace

PlotLevels SignalPlotLevels(int shape)
{
    if (shape == 4)
        return {102, 47, 155};
    return {92, 37, 146};
}

QColor SignalTraceColour(int shape)
{
    static const int reds[] = {255, 225, 195, 165};
    return QColor(reds[std::clamp(shape, 1, 4) - 1], 0, 0);
}

int SignalLevel(int shape, int half)
{
    switch (shape) {
    case 1: return 1;
    case 2: return half == 0 ? 1 : -1;
    case 3: return -1;
    default: return half == 0 ? -1 : 1;
    }
}

QImage DrawSignalPlot(int shape)
{
    QImage image(kPlotWidth, kPlotHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const PlotLevels levels = SignalPlotLevels(shape);
    Axes(painter, levels);
    Title(painter, shape);
    Trace(painter, shape, levels);
    return image;
}

} // namespace picturegen
