// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchemeDrawing.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QStringList>

#include <array>
#include <cmath>

#include "SchemeLayout.h"
#include "Typefaces.h"

namespace picturegen {

namespace {

constexpr double kArrowLength = 7.0;
constexpr double kArrowHalfWidth = 3.0;
constexpr double kNodeRadius = 22.0;
constexpr int kBlockTextSize = 13;

enum class Direction { Up, Down, Left, Right };

// The words of the drawing; only they change from one language to another.
struct SchemeWords {
    QStringList Source1;
    QStringList Source2;
    QStringList Noise;
    QString Filter1;
    QString Filter2;
    QStringList Threshold;
    QString Counter;
    QString Register;
    std::array<QString, 3> Switches;
};

// In Russian the switches' К is the Cyrillic letter of the switch-position
// dialog; K and H of the inputs are Latin in both languages, as the main
// window's fields have them.
SchemeWords WordsIn(Language language)
{
    if (language == Language::English)
        return {{QStringLiteral("Signal"), QStringLiteral("source 1")},
            {QStringLiteral("Signal"), QStringLiteral("source 2")},
            {QStringLiteral("Noise"), QStringLiteral("source")}, QStringLiteral("MF1"), QStringLiteral("MF2"),
            {QStringLiteral("Threshold"), QStringLiteral("device")}, QStringLiteral("Counter"),
            QStringLiteral("Register"), {QStringLiteral("K1"), QStringLiteral("K2"), QStringLiteral("K3")}};
    return {{QStringLiteral("Источник"), QStringLiteral("сигнала1")},
        {QStringLiteral("Источник"), QStringLiteral("сигнала2")},
        {QStringLiteral("Источник"), QStringLiteral("шума")}, QStringLiteral("СФ1"), QStringLiteral("СФ2"),
        {QStringLiteral("Пороговое"), QStringLiteral("устройство")}, QStringLiteral("Счётчик"),
        QStringLiteral("Регистратор"), {QStringLiteral("К1"), QStringLiteral("К2"), QStringLiteral("К3")}};
}

QPointF Centre(PixelPoint p)
{
    return {p.x + 0.5, p.y + 0.5};
}

// Horizontal and vertical lines on whole pixels, from one pixel to another inclusive.
void HLine(QPainter& painter, int x1, int x2, int y)
{
    painter.fillRect(QRect(QPoint(std::min(x1, x2), y), QPoint(std::max(x1, x2), y)), Qt::black);
}

void VLine(QPainter& painter, int x, int y1, int y2)
{
    painter.fillRect(QRect(QPoint(x, std::min(y1, y2)), QPoint(x, std::max(y1, y2))), Qt::black);
}

// Outline of the pixels x1..x2, y1..y2.
void Block(QPainter& painter, int x1, int y1, int x2, int y2)
{
    HLine(painter, x1, x2, y1);
    HLine(painter, x1, x2, y2);
    VLine(painter, x1, y1, y2);
    VLine(painter, x2, y1, y2);
}

// A filled arrowhead whose tip touches the pixel (x, y) from the side it comes from.
void Arrowhead(QPainter& painter, int x, int y, Direction direction)
{
    const QPointF tip(x + 0.5, y + 0.5);
    QPointF back;
    QPointF side;
    switch (direction) {
    case Direction::Up: back = {0, 1}; side = {1, 0}; break;
    case Direction::Down: back = {0, -1}; side = {1, 0}; break;
    case Direction::Left: back = {1, 0}; side = {0, 1}; break;
    case Direction::Right: back = {-1, 0}; side = {0, 1}; break;
    }
    const QPointF nearTip = tip - back * 0.5;
    const QPointF base = nearTip + back * kArrowLength;
    const QPolygonF head{nearTip, base + side * kArrowHalfWidth, base - side * kArrowHalfWidth};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(head);
    painter.restore();
}

// Centred lines of bold italic text; one-line texts may sit in the upper half.
void BlockText(QPainter& painter, int x1, int y1, int x2, int y2, const QStringList& lines, bool upperHalf = false)
{
    const QFont font = SerifFont(kBlockTextSize, true, true);
    const QFontMetricsF metrics(font);
    const double capHeight = metrics.capHeight();
    const double lineStep = metrics.height();
    const double top = y1;
    const double height = upperHalf ? (y2 - y1) / 2.0 + 2 : (y2 - y1 + 1);
    const double textHeight = capHeight + lineStep * static_cast<double>(lines.size() - 1);
    double baseline = top + (height - textHeight) / 2.0 + capHeight;
    for (const QString& line : lines) {
        const double width = metrics.horizontalAdvance(line);
        DrawTextAt(painter, line, font, QPointF((x1 + x2 + 1) / 2.0 - width / 2.0, std::round(baseline)));
        baseline += lineStep;
    }
}

void SummingNode(QPainter& painter, int cx, int cy)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(cx + 0.5, cy + 0.5), kNodeRadius, kNodeRadius);
    painter.restore();
    DrawTextCentred(painter, QStringLiteral("Σ"), SerifFont(26, false, false), QPointF(cx + 0.5, cy + 0.5));
}

void Ground(QPainter& painter, int x1, int x2, int y)
{
    painter.fillRect(QRect(QPoint(x1, y), QPoint(x2, y + 3)), Qt::black);
}

void ContactNumber(QPainter& painter, const QString& digit, int x, int y)
{
    DrawTextInk(painter, digit, SerifFont(12, true, true), QPointF(x, y));
}

void SwitchName(QPainter& painter, const QString& name, int x, int y)
{
    DrawTextInk(painter, name, SerifFont(kBlockTextSize, true, true), QPointF(x, y));
}

// Pivot, contacts and the blade to the contact of `position` (1-based).
void Switch(QPainter& painter, const SwitchLayout& layout, int position)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const PixelPoint target = layout.contacts[static_cast<std::size_t>(position - 1)];
    QLineF blade(Centre(layout.pivot), Centre(target));
    blade.setLength(blade.length() - kContactRadius);
    painter.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(blade);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(Centre(layout.pivot), kPivotRadius, kPivotRadius);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    for (int i = 0; i < layout.positions; ++i)
        painter.drawEllipse(Centre(layout.contacts[static_cast<std::size_t>(i)]), kContactRadius, kContactRadius);
    painter.restore();
}

void Sources(QPainter& painter, const SchemeWords& words)
{
    Block(painter, 0, 13, 79, 57);
    BlockText(painter, 0, 13, 79, 57, words.Source1);
    Block(painter, 0, 120, 79, 165);
    BlockText(painter, 0, 120, 79, 165, words.Source2);
    HLine(painter, 80, 111, 34);
    VLine(painter, 111, 34, 76);
    HLine(painter, 80, 104, 143);
    VLine(painter, 104, 94, 143);
    VLine(painter, 112, 107, 202);
    Ground(painter, 98, 127, 202);
}

void NoiseAndGain(QPainter& painter, const SchemeWords& words)
{
    Block(painter, 142, 253, 234, 298);
    BlockText(painter, 142, 253, 234, 298, words.Noise);
    VLine(painter, 188, 218, 252);
    Arrowhead(painter, 188, 218, Direction::Up);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF{QPointF(189, 179.5), QPointF(169.5, 217.5), QPointF(208.5, 217.5)});
    painter.restore();
    VLine(painter, 189, 114, 179);
    Arrowhead(painter, 189, 114, Direction::Up);
    HLine(painter, 199, 228, 197);
    Arrowhead(painter, 199, 197, Direction::Left);
    DrawTextInk(painter, QStringLiteral("K"), SerifFont(kBlockTextSize, true, true), QPointF(232, 194));
}

void MatchedFilters(QPainter& painter, const SchemeWords& words)
{
    HLine(painter, 130, 167, 91);
    SummingNode(painter, 189, 91);
    HLine(painter, 212, 242, 91);
    VLine(painter, 242, 32, 143);
    HLine(painter, 242, 266, 32);
    Arrowhead(painter, 266, 32, Direction::Right);
    HLine(painter, 242, 266, 143);
    Arrowhead(painter, 266, 143, Direction::Right);
    Block(painter, 267, 10, 327, 54);
    BlockText(painter, 267, 10, 327, 54, {words.Filter1}, true);
    Block(painter, 267, 120, 327, 165);
    BlockText(painter, 267, 120, 327, 165, {words.Filter2}, true);
}

void Difference(QPainter& painter)
{
    HLine(painter, 328, 405, 33);
    VLine(painter, 405, 33, 68);
    Arrowhead(painter, 405, 68, Direction::Down);
    HLine(painter, 328, 358, 143);
    VLine(painter, 362, 172, 202);
    Ground(painter, 347, 376, 202);
    HLine(painter, 389, 405, 154);
    VLine(painter, 405, 114, 154);
    Arrowhead(painter, 405, 114, Direction::Up);
    SummingNode(painter, 405, 91);
    HLine(painter, 416, 424, 61);
    VLine(painter, 420, 57, 65);
    HLine(painter, 418, 428, 118);
    HLine(painter, 428, 452, 91);
}

void Outputs(QPainter& painter, const SchemeWords& words)
{
    HLine(painter, 482, 498, 78);
    Block(painter, 499, 56, 593, 101);
    BlockText(painter, 499, 56, 593, 101, words.Threshold);
    HLine(painter, 594, 612, 78);
    Arrowhead(painter, 612, 78, Direction::Right);
    Block(painter, 613, 56, 686, 101);
    BlockText(painter, 613, 56, 686, 101, {words.Counter}, true);
    VLine(painter, 546, 102, 125);
    Arrowhead(painter, 546, 102, Direction::Up);
    DrawTextInk(painter, QStringLiteral("H"), SerifFont(kBlockTextSize, true, true), QPointF(554, 125));

    VLine(painter, 479, 105, 146);
    Arrowhead(painter, 479, 146, Direction::Down);
    Block(painter, 447, 147, 511, 176);
    VLine(painter, 479, 177, 196);
    Arrowhead(painter, 479, 196, Direction::Down);
    Block(painter, 431, 197, 527, 239);
    VLine(painter, 479, 240, 252);
    Arrowhead(painter, 479, 252, Direction::Down);
    Block(painter, 425, 253, 532, 297);
    BlockText(painter, 425, 253, 532, 297, {words.Register}, true);
}

// "(.)" with a raised, smaller "2".
void SquarerText(QPainter& painter)
{
    const QFont font = SerifFont(15, true, true);
    const QFont small = SerifFont(10, true, true);
    const double width = QFontMetricsF(font).horizontalAdvance(QStringLiteral("(.)"))
                         + QFontMetricsF(small).horizontalAdvance(QStringLiteral("2"));
    const double x = 479.5 - width / 2;
    const double baseline = 167;
    DrawTextAt(painter, QStringLiteral("(.)"), font, QPointF(x, baseline));
    DrawTextAt(painter, QStringLiteral("2"), small,
               QPointF(x + QFontMetricsF(font).horizontalAdvance(QStringLiteral("(.)")), baseline - 6));
}

// 1/T, an integral from 0 to t, then "(.)" and "dt".
void IntegratorFormula(QPainter& painter)
{
    const QFont letters = SerifFont(14, true, true);
    const QFont limits = SerifFont(10, true, true);
    const QFont integral = SerifFont(24, false, false);
    const double axis = 218.5;
    double x = 447;
    DrawTextCentred(painter, QStringLiteral("1"), letters, QPointF(x + 5, axis - 7));
    HLine(painter, static_cast<int>(x), static_cast<int>(x) + 10, 218);
    DrawTextCentred(painter, QStringLiteral("T"), letters, QPointF(x + 5, axis + 8));
    x += 15;
    const QRectF sign = TextInk(QStringLiteral("∫"), integral);
    DrawTextInk(painter, QStringLiteral("∫"), integral, QPointF(x, axis - sign.height() / 2));
    DrawTextInk(painter, QStringLiteral("t"), limits, QPointF(x + sign.width() + 1, axis - sign.height() / 2 - 1));
    DrawTextInk(painter, QStringLiteral("0"), limits,
                QPointF(x + sign.width() - 1, axis + sign.height() / 2 - TextInk(QStringLiteral("0"), limits).height() + 2));
    x += sign.width() + 8;
    const QFontMetricsF metrics(letters);
    DrawTextAt(painter, QStringLiteral("(.)"), letters, QPointF(x, axis + 5));
    x += metrics.horizontalAdvance(QStringLiteral("(.) "));
    DrawTextAt(painter, QStringLiteral("dt"), letters, QPointF(x, axis + 5));
}

void Labels(QPainter& painter, const SchemeWords& words)
{
    SwitchName(painter, words.Switches[0], 123, 40);
    ContactNumber(painter, QStringLiteral("1"), 116, 66);
    ContactNumber(painter, QStringLiteral("2"), 93, 85);
    ContactNumber(painter, QStringLiteral("3"), 117, 108);
    SwitchName(painter, words.Switches[1], 370, 121);
    ContactNumber(painter, QStringLiteral("1"), 349, 128);
    ContactNumber(painter, QStringLiteral("2"), 349, 174);
    SwitchName(painter, words.Switches[2], 455, 49);
    ContactNumber(painter, QStringLiteral("1"), 483, 64);
    ContactNumber(painter, QStringLiteral("2"), 487, 97);
}

}  // namespace

QImage DrawScheme(int k1, int k2, int k3, Language language)
{
    const SchemeWords words = WordsIn(language);
    QImage image(kSchemeWidth, kSchemeHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Sources(painter, words);
    NoiseAndGain(painter, words);
    MatchedFilters(painter, words);
    Difference(painter);
    Outputs(painter, words);
    SquarerText(painter);
    IntegratorFormula(painter);
    Labels(painter, words);
    Switch(painter, kSwitchK1, k1);
    Switch(painter, kSwitchK2, k2);
    Switch(painter, kSwitchK3, k3);
    return image;
}

} // namespace picturegen
