// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The emblem: three heavy block letters with chamfered corners, turned 45
// degrees so that they run from the upper left to the lower right.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace picturegen {

// The letters' outlines along the diagonal of `square`.
QPainterPath EmblemLetters(const QRectF& square);

// Draws the letters along the diagonal of `square`.
void DrawEmblemLetters(QPainter& painter, const QRectF& square, const QColor& colour);

} // namespace picturegen
