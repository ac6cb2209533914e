// SPDX-License-Identifier: GPL-3.0-or-later
#include "SplashDrawing.h"

#include <QPainter>

#include "Emblem.h"
#include "Typefaces.h"

namespace picturegen {

namespace {

// Draws `text` so that its ink spans `left` .. `right` horizontally (centred on
// them) and starts at `top`.
void TextBetween(QPainter& painter, const QString& text, const QFont& font, double left, double right, double top)
{
    const QRectF ink = TextInk(text, font);
    DrawTextInk(painter, text, font, QPointF((left + right - ink.width()) / 2, top), kSplashInk);
}

}  // namespace

QImage DrawSplash(Language language)
{
    const bool english = language == Language::English;
    QImage image(kSplashWidth, kSplashHeight, QImage::Format_RGB32);
    image.fill(kSplashField);
    QPainter painter(&image);

    painter.fillRect(0, 0, kSplashWidth, 3, kSplashInk);
    painter.fillRect(0, kSplashHeight - 4, kSplashWidth, 4, kSplashInk);
    painter.fillRect(0, 0, 3, kSplashHeight, kSplashInk);
    painter.fillRect(kSplashWidth - 3, 0, 3, kSplashHeight, kSplashInk);

    // Emblem: a square outline 3 pixels wide from (7, 8) to (140, 135).
    painter.fillRect(QRect(QPoint(7, 8), QPoint(140, 10)), kSplashInk);
    painter.fillRect(QRect(QPoint(7, 133), QPoint(140, 135)), kSplashInk);
    painter.fillRect(QRect(QPoint(7, 8), QPoint(9, 135)), kSplashInk);
    painter.fillRect(QRect(QPoint(138, 8), QPoint(140, 135)), kSplashInk);
    DrawEmblemLetters(painter, QRectF(12, 13, 124, 118), kSplashInk);

    TextBetween(painter, english ? QStringLiteral("Teaching bench") : QStringLiteral("Учебный стенд"),
        SerifFont(23, true, false), 172, 330, 69);
    QFont title = SerifFont(29, true, true);
    title.setStretch(110);
    TextBetween(painter, english ? QStringLiteral("Investigation of") : QStringLiteral("Исследование"), title, 105,
        299, 154);
    TextBetween(painter, english ? QStringLiteral("a signal distinguisher") : QStringLiteral("различителя  сигналов"),
        title, 47, 369, 198);
    QFont imprint = SerifFont(23, true, false);
    imprint.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    TextBetween(painter, english ? QStringLiteral("Ensk — 2010") : QStringLiteral("Энск — 2010"), imprint, 119, 275,
        255);
    return image;
}

} // namespace picturegen
