// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// JPEG decoding through libjpeg's decompression interface. A corrupt or
// truncated stream is reported as a failure instead of ending the process.

#include "Pixels.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <span>
#include <string>

// Largest picture the decoder accepts, so that a forged header cannot make it
// allocate gigabytes.
inline constexpr int kMaxJpegSide = 4096;
inline constexpr qint64 kMaxJpegPixels = qint64{kMaxJpegSide} * kMaxJpegSide;

// Decodes `data` into an image of Format_RGB32. On failure returns false, leaves `image`
// null and, when `error` is given, puts libjpeg's message there.
bool DecodeJpeg(const QByteArray& data, QImage& image, QString* error = nullptr);

// The same without Qt, on any thread: into `pixels`, null on failure.
bool DecodeJpeg(std::span<const unsigned char> data, Pixels& pixels, std::string* error = nullptr);
