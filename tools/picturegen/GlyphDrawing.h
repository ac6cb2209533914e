// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 16 x 16 menu glyphs and the program icon (32 x 32 in the 16 colours of
// the standard palette, smoothed at the other sizes, and as SVG), each on a
// flat field of one colour.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

namespace picturegen {

struct Glyph {
    QString name;  // as in the file name glyph-<name>.bmp
    QImage picture;
};

inline constexpr int kGlyphSide = 16;
inline constexpr int kIconSide = 32;

std::vector<Glyph> DrawGlyphs();

// The emblem's letters on a flat blue field, with smoothed edges (the PNGs
// from 24 pixels up but 32).
QImage DrawIcon(int side);
// The same as a scalable picture: SVG text, a square of `side` units.
QByteArray DrawIconSvg(int side);
// The same in the two colours alone (the 32 x 32 icon of 16 colours, and the
// 16 x 16 one).
QImage DrawIconTwoColours(int side);

} // namespace picturegen
