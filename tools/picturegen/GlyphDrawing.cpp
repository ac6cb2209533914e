// SPDX-License-Identifier: GPL-3.0-or-later
#include "GlyphDrawing.h"

#include <QPainter>

#include "Emblem.h"

namespace picturegen {

namespace {

const QColor kField(128, 128, 0);
const QColor kBlack(0, 0, 0);
const QColor kNavy(0, 0, 128);
const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kLime(0, 255, 0);
const QColor kGreen(0, 128, 0);
const QColor kIconField(0, 0, 255);

QImage Canvas()
{
    QImage image(kGlyphSide, kGlyphSide, QImage::Format_RGB32);
    image.fill(kField);
    return image;
}

// Pixels x1..x2, y1..y2.
void Fill(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& colour)
{
    painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), colour);
}

void Frame(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& colour)
{
    Fill(painter, x1, y1, x2, y1, colour);
    Fill(painter, x1, y2, x2, y2, colour);
    Fill(painter, x1, y1, x1, y2, colour);
    Fill(painter, x2, y1, x2, y2, colour);
}

void Page(QPainter& painter, int x1, int y1, int x2, int y2)
{
    Fill(painter, x1, y1, x2, y2, kWhite);
    Frame(painter, x1, y1, x2, y2, kBlack);
    for (int y = y1 + 2; y < y2 - 1; y += 2)
        Fill(painter, x1 + 2, y, x2 - 2, y, kNavy);
}

QImage CopyGlyph()
{
    QImage image = Canvas();
    QPainter painter(&image);
    Page(painter, 1, 1, 9, 11);
    Page(painter, 6, 4, 14, 15);
    return image;
}

QImage SaveGlyph()
{
    QImage image = Canvas();
    QPainter painter(&image);
    Fill(painter, 1, 1, 14, 14, kNavy);
    Frame(painter, 1, 1, 14, 14, kBlack);
    Fill(painter, 14, 1, 14, 1, kField);
    Fill(painter, 4, 1, 11, 6, kSilver);
    Frame(painter, 4, 1, 11, 6, kBlack);
    Fill(painter, 8, 2, 9, 5, kNavy);
    Fill(painter, 3, 9, 12, 14, kWhite);
    Frame(painter, 3, 9, 12, 14, kBlack);
    Fill(painter, 5, 11, 10, 11, kGrey);
    Fill(painter, 5, 13, 10, 13, kGrey);
    return image;
}

QImage ExitGlyph()
{
    QImage image = Canvas();
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlack);
    painter.drawEllipse(QRect(9, 0, 3, 3));
    painter.setPen(QPen(kBlack, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawLine(9, 5, 7, 10);
    painter.drawPolyline(QPolygon{QPoint(4, 7), QPoint(7, 5), QPoint(10, 5), QPoint(12, 8)});
    painter.drawPolyline(QPolygon{QPoint(7, 10), QPoint(10, 12), QPoint(10, 14)});
    painter.drawPolyline(QPolygon{QPoint(7, 10), QPoint(5, 13), QPoint(2, 13)});
    return image;
}

QImage KeyGlyph()
{
    QImage image = Canvas();
    QPainter painter(&image);
    Fill(painter, 1, 5, 6, 10, kBlack);
    Fill(painter, 2, 6, 5, 9, kYellow);
    Fill(painter, 3, 7, 4, 8, kBlack);
    Fill(painter, 1, 5, 1, 5, kField);
    Fill(painter, 6, 5, 6, 5, kField);
    Fill(painter, 1, 10, 1, 10, kField);
    Fill(painter, 6, 10, 6, 10, kField);
    Fill(painter, 6, 6, 15, 9, kBlack);
    Fill(painter, 6, 7, 14, 8, kYellow);
    Fill(painter, 10, 10, 11, 12, kBlack);
    Fill(painter, 13, 10, 14, 11, kBlack);
    return image;
}

QImage SignalsGlyph()
{
    QImage image = Canvas();
    QPainter painter(&image);
    Fill(painter, 0, 1, 15, 14, kWhite);
    for (int x = 0; x <= 15; x += 3)
        Fill(painter, x, 1, x, 14, kSilver);
    for (int y = 2; y <= 14; y += 3)
        Fill(painter, 0, y, 15, y, kSilver);
    Frame(painter, 0, 1, 15, 14, kGrey);
    Fill(painter, 1, 10, 3, 10, kRed);
    Fill(painter, 3, 4, 3, 10, kRed);
    Fill(painter, 3, 4, 7, 4, kRed);
    Fill(painter, 7, 4, 7, 10, kRed);
    Fill(painter, 7, 10, 10, 10, kRed);
    Fill(painter, 10, 4, 10, 10, kRed);
    Fill(painter, 10, 4, 14, 4, kRed);
    return image;
}

QImage MeasureGlyph()
{
    QImage image = Canvas();
    QPainter painter(&image);
    Fill(painter, 2, 0, 13, 15, kSilver);
    Frame(painter, 2, 0, 13, 15, kBlack);
    Fill(painter, 4, 2, 11, 5, kLime);
    Frame(painter, 4, 2, 11, 5, kGreen);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const int x = 4 + 3 * column;
            const int y = 7 + 3 * row;
            Fill(painter, x, y, x + 1, y + 1, column == 2 && row == 2 ? kRed : kBlack);
        }
    return image;
}

}  // namespace

std::vector<Glyph> DrawGlyphs()
{
    return {{QStringLiteral("copy"), CopyGlyph()},         {QStringLiteral("save"), SaveGlyph()},
            {QStringLiteral("exit"), ExitGlyph()},         {QStringLiteral("switches"), KeyGlyph()},
            {QStringLiteral("signals"), SignalsGlyph()},   {QStringLiteral("measure"), MeasureGlyph()}};
}

QImage DrawIcon(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(kIconField);
    QPainter painter(&image);
    DrawEmblemLetters(painter, QRectF(0, 0, side, side), kYellow);
    return image;
}

namespace {

QByteArray SvgColour(const QColor& colour)
{
    return colour.name(QColor::HexRgb).toLatin1();
}

QByteArray SvgNumber(double value)
{
    return QByteArray::number(value, 'f', 3);
}

// The outlines as SVG path data; each letter is one closed polygon.
QByteArray SvgPathData(const QPainterPath& path)
{
    QByteArray data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        if (element.isMoveTo() && i > 0)
            data += "Z";
        data += element.isMoveTo() ? "M" : "L";
        data += SvgNumber(element.x) + " " + SvgNumber(element.y);
    }
    return data + "Z";
}

} // namespace

QByteArray DrawIconSvg(int side)
{
    const QByteArray size = QByteArray::number(side);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + size + "\" height=\"" + size
        + "\" viewBox=\"0 0 " + size + " " + size + "\">\n"
        + "  <rect width=\"" + size + "\" height=\"" + size + "\" fill=\"" + SvgColour(kIconField) + "\"/>\n"
        + "  <path fill=\"" + SvgColour(kYellow) + "\" d=\"" + SvgPathData(EmblemLetters(QRectF(0, 0, side, side)))
        + "\"/>\n</svg>\n";
}

// Two colours only: a pixel is yellow when the letters cover at least half of it.
QImage DrawIconTwoColours(int side)
{
    constexpr int kOversampling = 8;
    QImage coverage(side * kOversampling, side * kOversampling, QImage::Format_Grayscale8);
    coverage.fill(Qt::black);
    {
        QPainter painter(&coverage);
        DrawEmblemLetters(painter, QRectF(0, 0, coverage.width(), coverage.height()), Qt::white);
    }
    const QImage reduced = coverage.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixelColor(x, y, qGray(reduced.pixel(x, y)) >= 128 ? kYellow : kIconField);
    return image;
}

} // namespace picturegen
