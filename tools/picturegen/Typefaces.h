// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The type faces of the drawings: Debian's Liberation fonts, named explicitly
// so that the output does not depend on which other fonts are installed.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace picturegen {

QFont SerifFont(int pixelSize, bool bold, bool italic);

// Stops the generator when the Liberation faces are missing: any other face
// would silently change every picture.
void RequireLiberationFonts();

// Draws `text` so that its ink starts at `inkTopLeft`.
void DrawTextInk(QPainter& painter, const QString& text, const QFont& font, QPointF inkTopLeft,
                 const QColor& colour = Qt::black);

// Draws `text` with its ink centred on `centre`.
void DrawTextCentred(QPainter& painter, const QString& text, const QFont& font, QPointF centre,
                     const QColor& colour = Qt::black);

// Draws `text` with its baseline starting at `origin`.
void DrawTextAt(QPainter& painter, const QString& text, const QFont& font, QPointF origin,
                const QColor& colour = Qt::black);

// Width and height of the ink of `text`.
QRectF TextInk(const QString& text, const QFont& font);

} // namespace picturegen
