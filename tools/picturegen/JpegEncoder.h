// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// JPEG encoding through libjpeg's compression interface, with the settings the
// embedded pictures are stored with.

#include <QByteArray>
#include <QImage>

namespace picturegen {

inline constexpr int kJpegQuality = 94;
inline constexpr int kJpegDotsPerInch = 96;

// Baseline JFIF 1.01, YCbCr with 2 x 2 chroma subsampling, 96 x 96 dpi, the
// standard quantisation tables scaled for kJpegQuality, standard Huffman tables.
QByteArray EncodeJpeg(const QImage& picture);

} // namespace picturegen
