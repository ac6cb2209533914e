#pragma once
// The 16 x 16 menu glyphs and the 32 x 32 program icon, in the 16 colours of
// the standard palette, each on a flat field of one colour.

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

// The emblem's letters on a flat blue field, with smoothed edges (the 48 x 48 PNG).
QImage DrawIcon(int side);
// The same in the two colours alone (the 32 x 32 icon of 16 colours).
QImage DrawIconTwoColours(int side);

} // namespace picturegen
