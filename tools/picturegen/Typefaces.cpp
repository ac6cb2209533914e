// SPDX-License-Identifier: GPL-3.0-or-later
#include "Typefaces.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainterPath>

#include <stdexcept>

namespace picturegen {

namespace {

const QString kSerifFamily = QStringLiteral("Liberation Serif");

}  // namespace

QFont SerifFont(int pixelSize, bool bold, bool italic)
{
    QFont font(kSerifFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void RequireLiberationFonts()
{
    for (const bool bold : {false, true})
        for (const bool italic : {false, true}) {
            const QFontInfo info(SerifFont(12, bold, italic));
            if (info.family() != kSerifFamily || info.bold() != bold || info.italic() != italic)
                throw std::runtime_error("the Liberation Serif faces are missing (Debian package fonts-liberation)");
        }
}

// Outlines rather than glyph runs: their bounds are the ink itself.
QRectF TextInk(const QString& text, const QFont& font)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path.boundingRect();
}

void DrawTextAt(QPainter& painter, const QString& text, const QFont& font, QPointF origin, const QColor& colour)
{
    QPainterPath path;
    path.addText(origin, font, text);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.restore();
}

void DrawTextInk(QPainter& painter, const QString& text, const QFont& font, QPointF inkTopLeft, const QColor& colour)
{
    DrawTextAt(painter, text, font, inkTopLeft - TextInk(text, font).topLeft(), colour);
}

void DrawTextCentred(QPainter& painter, const QString& text, const QFont& font, QPointF centre, const QColor& colour)
{
    const QRectF ink = TextInk(text, font);
    DrawTextInk(painter, text, font, centre - QPointF(ink.width() / 2, ink.height() / 2), colour);
}

} // namespace picturegen
