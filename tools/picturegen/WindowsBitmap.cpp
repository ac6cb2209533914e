// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowsBitmap.h"

#include <QtEndian>

#include <cstdint>
#include <limits>

namespace picturegen {

namespace {

constexpr int kInfoHeaderSize = 40;
constexpr int kFileHeaderSize = 14;

void Put16(QByteArray& out, std::uint16_t value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void Put32(QByteArray& out, std::uint32_t value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

int RowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

void PutFileHeader(QByteArray& out, int pixelOffset, int fileSize)
{
    out.append("BM", 2);
    Put32(out, static_cast<std::uint32_t>(fileSize));
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(pixelOffset));
}

void PutInfoHeader(QByteArray& out, int width, int height, int bitsPerPixel, int imageSize, int colours)
{
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint16_t>(bitsPerPixel));
    Put32(out, 0);  // uncompressed
    Put32(out, static_cast<std::uint32_t>(imageSize));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(colours));
    Put32(out, 0);
}

void PutPalette(QByteArray& out)
{
    for (QRgb colour : StandardPalette16()) {
        out.append(static_cast<char>(qBlue(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qRed(colour)));
        out.append('\0');
    }
}

// Rows bottom-up, two pixels a byte, high nibble first.
void PutNibbleRows(QByteArray& out, const QImage& indexed)
{
    const int rowBytes = RowBytes(indexed.width(), 4);
    for (int y = indexed.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < indexed.width(); ++x) {
            const int index = indexed.pixelIndex(x, y) & 0x0f;
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out.append(row);
    }
}

}  // namespace

const QVector<QRgb>& StandardPalette16()
{
    static const QVector<QRgb> palette{
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    return palette;
}

QByteArray Bitmap24(const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    const int rowBytes = RowBytes(rgb.width(), 24);
    const int imageSize = rowBytes * rgb.height();
    const int offset = kFileHeaderSize + kInfoHeaderSize;
    QByteArray out;
    PutFileHeader(out, offset, offset + imageSize);
    PutInfoHeader(out, rgb.width(), rgb.height(), 24, imageSize, 0);
    for (int y = rgb.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        const uchar* source = rgb.constScanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            row[3 * x] = static_cast<char>(source[3 * x + 2]);
            row[3 * x + 1] = static_cast<char>(source[3 * x + 1]);
            row[3 * x + 2] = static_cast<char>(source[3 * x]);
        }
        out.append(row);
    }
    return out;
}

QByteArray Bitmap4(const QImage& indexed)
{
    const int imageSize = RowBytes(indexed.width(), 4) * indexed.height();
    const int offset = kFileHeaderSize + kInfoHeaderSize + 16 * 4;
    QByteArray out;
    PutFileHeader(out, offset, offset + imageSize);
    PutInfoHeader(out, indexed.width(), indexed.height(), 4, imageSize, 16);
    PutPalette(out);
    PutNibbleRows(out, indexed);
    return out;
}

QByteArray Icon4(const QImage& indexed, const QImage& opaque)
{
    const int side = indexed.width();
    const int colourBytes = RowBytes(side, 4) * side;
    const int maskRowBytes = RowBytes(side, 1);
    const int imageSize = kInfoHeaderSize + 16 * 4 + colourBytes + maskRowBytes * side;
    QByteArray out;
    Put16(out, 0);  // reserved
    Put16(out, 1);  // icon
    Put16(out, 1);  // one image
    out.append(static_cast<char>(side));
    out.append(static_cast<char>(side));
    out.append(static_cast<char>(16));  // colours
    out.append('\0');
    Put16(out, 1);  // planes
    Put16(out, 4);  // bits per pixel
    Put32(out, static_cast<std::uint32_t>(imageSize));
    Put32(out, 6 + 16);
    // The image's height counts the colour rows and the mask rows.
    PutInfoHeader(out, side, 2 * side, 4, colourBytes + maskRowBytes * side, 0);
    PutPalette(out);
    PutNibbleRows(out, indexed);
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(maskRowBytes, '\0');
        for (int x = 0; x < side; ++x)
            if (opaque.pixelIndex(x, y) == 0)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

QImage ToPalette16(const QImage& picture)
{
    const QVector<QRgb>& palette = StandardPalette16();
    QImage indexed(picture.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb colour = picture.pixel(x, y);
            int best = 0;
            int bestDistance = std::numeric_limits<int>::max();
            for (int i = 0; i < palette.size(); ++i) {
                const int dr = qRed(colour) - qRed(palette[i]);
                const int dg = qGreen(colour) - qGreen(palette[i]);
                const int db = qBlue(colour) - qBlue(palette[i]);
                const int distance = dr * dr + dg * dg + db * db;
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = i;
                }
            }
            indexed.setPixel(x, y, static_cast<uint>(best));
        }
    }
    return indexed;
}

} // namespace picturegen
