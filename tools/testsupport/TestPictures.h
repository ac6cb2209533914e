// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QTemporaryDir>
#include <QString>

// Pixel-for-pixel equality whatever the two images' formats.
inline bool SamePixels(const QImage& a, const QImage& b)
{
    return !a.isNull() && a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

// A small picture file of distinct pixels, written to the folder.
inline QString WriteTestPicture(const QTemporaryDir& dir, const QString& name, QSize size, QRgb seed)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, seed ^ qRgb(x * 7 % 256, y * 13 % 256, (x + y) % 256));
    const QString path = dir.filePath(name);
    picture.save(path, "BMP");
    return path;
}
