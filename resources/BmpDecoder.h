// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Uncompressed 24-bit bitmaps (the splash picture), read several times
// faster than Qt's BMP reader reads them, with the very same result.

#include "Pixels.h"

#include <QByteArray>
#include <QImage>

#include <span>

// The picture when `data` is a whole bitmap with a 40-byte header, 24 bits a
// pixel, no compression and rows from the bottom up, of at most kMaxBmpSide
// pixels a side; null pixels for anything else, which is left to Qt's
// readers. Touches no Qt: any thread may call it.
Pixels DecodeBmp24(std::span<const unsigned char> data);

// The same as an image of Format_RGB32.
QImage DecodeBmp24(const QByteArray& data);

inline constexpr int kMaxBmpSide = 4096;
