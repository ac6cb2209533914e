#include "BmpDecoder.h"

#include <QtEndian>

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr quint32 kInfoHeaderBytes = 40;

template <typename T>
T Field(const QByteArray& data, int offset)
{
    return qFromLittleEndian<T>(data.constData() + offset);
}

}  // namespace

QImage DecodeBmp24(const QByteArray& data)
{
    if (data.size() < kFileHeaderBytes + qsizetype{kInfoHeaderBytes} || !data.startsWith("BM")
        || Field<quint32>(data, 14) != kInfoHeaderBytes || Field<quint16>(data, 26) != 1
        || Field<quint16>(data, 28) != 24 || Field<quint32>(data, 30) != 0)
        return {};
    const qint32 width = Field<qint32>(data, 18);
    const qint32 height = Field<qint32>(data, 22);  // negative: rows from the top down
    const qint64 pixelsAt = Field<quint32>(data, 10);
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
