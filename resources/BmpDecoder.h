#pragma once
// Uncompressed 24-bit bitmaps (the splash picture), read several times
// faster than Qt's BMP reader reads them, with the very same result.

#include <QByteArray>
#include <QImage>

// The picture as Format_RGB32 when `data` is a whole bitmap with a 40-byte
// header, 24 bits a pixel, no compression and rows from the bottom up, of at
// most kMaxBmpSide pixels a side; a null image for anything else, which is
// left to Qt's readers.
QImage DecodeBmp24(const QByteArray& data);

inline constexpr int kMaxBmpSide = 4096;
