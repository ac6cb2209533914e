// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows bitmap and icon files written byte by byte, so that their layout is
// exactly the one the program carries (and the same on every run).

#include <QByteArray>
#include <QImage>
#include <QVector>

namespace picturegen {

// The standard 16-colour palette of the window system's 4-bit pictures.
const QVector<QRgb>& StandardPalette16();

// 24 bits per pixel, uncompressed, rows bottom-up, 40-byte information header.
QByteArray Bitmap24(const QImage& picture);

// 4 bits per pixel with the 16-entry palette; `picture` holds palette indexes.
QByteArray Bitmap4(const QImage& indexed);

// One 32 x 32 icon at 4 bits per pixel; `opaque` marks the pixels not masked out.
QByteArray Icon4(const QImage& indexed, const QImage& opaque);

// Maps every pixel to the nearest colour of the standard palette.
QImage ToPalette16(const QImage& picture);

} // namespace picturegen
