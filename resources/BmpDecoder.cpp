#include "BmpDecoder.h"

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr quint32 kInfoHeaderBytes = 40;

// A little-endian field of `bytes` bytes; the caller has checked the size.
quint32 Field(const QByteArray& data, int offset, int bytes)
{
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | uchar(data.at(offset + i));
    return value;
}

}  // namespace

QImage DecodeBmp24(const QByteArray& data)
{
    if (data.size() < kFileHeaderBytes + qsizetype{kInfoHeaderBytes} || !data.startsWith("BM")
        || Field(data, 14, 4) != kInfoHeaderBytes || Field(data, 26, 2) != 1 || Field(data, 28, 2) != 24
        || Field(data, 30, 4) != 0)
        return {};
    const auto width = static_cast<qint32>(Field(data, 18, 4));
    const auto height = static_cast<qint32>(Field(data, 22, 4));  // negative: rows from the top down
    const qint64 pixelsAt = Field(data, 10, 4);
    if (width <= 0 || height <= 0 || width > kMaxBmpSide || height > kMaxBmpSide)
        return {};
    const qint64 stride = (qint64{width} * 3 + 3) / 4 * 4;
    if (pixelsAt < kFileHeaderBytes + qint64{kInfoHeaderBytes} || pixelsAt + stride * height > data.size())
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < height; ++y) {
        const auto* bgr = reinterpret_cast<const uchar*>(data.constData() + pixelsAt + stride * (height - 1 - y));
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x, bgr += 3)
            row[x] = qRgb(bgr[2], bgr[1], bgr[0]);
    }
    return image;
}
