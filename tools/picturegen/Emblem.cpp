// SPDX-License-Identifier: GPL-3.0-or-later
#include "Emblem.h"

#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <vector>

namespace picturegen {

namespace {

// Letters are drawn on a grid of 6 x 9 units with heavy strokes.
constexpr double kLetterWidth = 6.0;
constexpr double kLetterHeight = 9.0;
constexpr double kStroke = 2.2;
constexpr double kLetterGap = 1.5;
constexpr double kChamfer = 0.9;

// The outlines turn clockwise on the screen, so a convex corner turns right.
QPolygonF Chamfered(const std::vector<QPointF>& corners)
{
    QPolygonF outline;
    const std::size_t n = corners.size();
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF previous = corners[(i + n - 1) % n];
        const QPointF corner = corners[i];
        const QPointF next = corners[(i + 1) % n];
        const QPointF in = corner - previous;
        const QPointF out = next - corner;
        const bool convex = in.x() * out.y() - in.y() * out.x() > 0;
        if (!convex) {
            outline << corner;
            continue;
        }
        const auto unit = [](QPointF v) { return v / std::hypot(v.x(), v.y()); };
        outline << corner - unit(in) * kChamfer << corner + unit(out) * kChamfer;
    }
    return outline;
}

// Э, Н, С: the initials of a laboratory of the town of Энск that exists only here.
std::vector<QPolygonF> Letters()
{
    constexpr double w = kLetterWidth;
    constexpr double h = kLetterHeight;
    constexpr double s = kStroke;
    const double barTop = (h - s) / 2;
    const double barBottom = (h + s) / 2;
    const QPolygonF e = Chamfered({{0, 0}, {w, 0}, {w, h}, {0, h}, {0, h - s}, {w - s, h - s}, {w - s, barBottom},
                                   {1.5, barBottom}, {1.5, barTop}, {w - s, barTop}, {w - s, s}, {0, s}});
    const QPolygonF en = Chamfered({{0, 0}, {s, 0}, {s, barTop}, {w - s, barTop}, {w - s, 0}, {w, 0}, {w, h},
                                    {w - s, h}, {w - s, barBottom}, {s, barBottom}, {s, h}, {0, h}});
    const QPolygonF es = Chamfered({{0, 0}, {w, 0}, {w, s}, {s, s}, {s, h - s}, {w, h - s}, {w, h}, {0, h}});
    return {e, en, es};
}

}  // namespace

QPainterPath EmblemLetters(const QRectF& square)
{
    const double runLength = 3 * kLetterWidth + 2 * kLetterGap;
    // A strip of length L and height h turned 45 degrees fits a square of side S when L + h <= S * sqrt(2).
    const double unit = square.width() * std::sqrt(2.0) / (runLength + kLetterHeight) * 0.94;
    QPainterPath letters;
    double x = -runLength / 2;
    for (const QPolygonF& letter : Letters()) {
        letters.addPolygon(letter.translated(x, -kLetterHeight / 2));
        letters.closeSubpath();
        x += kLetterWidth + kLetterGap;
    }
    QTransform place;
    place.translate(square.center().x(), square.center().y());
    place.rotate(45);
    place.scale(unit, unit);
    return place.map(letters);
}

void DrawEmblemLetters(QPainter& painter, const QRectF& square, const QColor& colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(EmblemLetters(square));
    painter.restore();
}

} // namespace picturegen
