#include "Emblem.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <vector>

namespace {

// Letters are drawn on a grid of 6 x 9 units with strokes 2 units thick.
constexpr double kLetterWidth = 6.0;
constexpr double kLetterHeight = 9.0;
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
    const QPolygonF e = Chamfered({{0, 0}, {6, 0}, {6, 9}, {0, 9}, {0, 7}, {4, 7}, {4, 5.5}, {1.5, 5.5},
                                   {1.5, 3.5}, {4, 3.5}, {4, 2}, {0, 2}});
    const QPolygonF en = Chamfered({{0, 0}, {2, 0}, {2, 3.5}, {4, 3.5}, {4, 0}, {6, 0}, {6, 9}, {4, 9},
                                    {4, 5.5}, {2, 5.5}, {2, 9}, {0, 9}});
    const QPolygonF es = Chamfered({{0, 0}, {6, 0}, {6, 2}, {2, 2}, {2, 7}, {6, 7}, {6, 9}, {0, 9}});
    return {e, en, es};
}

}  // namespace

void DrawEmblemLetters(QPainter& painter, const QRectF& square, const QColor& colour)
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
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(place.map(letters));
    painter.restore();
}
