// SPDX-License-Identifier: GPL-3.0-or-later
#include "BmpDecoder.h"

#include <cstdint>

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;

// A little-endian field of `bytes` bytes; the caller has checked the size.
uint32_t Field(std::span<const unsigned char> data, size_t offset, int bytes)
{
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | data[offset + static_cast<size_t>(i)];
    return value;
}

}  // namespace

Pixels DecodeBmp24(std::span<const unsigned char> data)
{
    if (data.size() < kFileHeaderBytes + size_t{kInfoHeaderBytes} || data[0] != 'B' || data[1] != 'M'
        || Field(data, 14, 4) != kInfoHeaderBytes || Field(data, 26, 2) != 1 || Field(data, 28, 2) != 24
        || Field(data, 30, 4) != 0)
        return {};
    const auto width = static_cast<int32_t>(Field(data, 18, 4));
    const auto height = static_cast<int32_t>(Field(data, 22, 4));  // negative: rows from the top down
    const int64_t pixelsAt = Field(data, 10, 4);
    if (width <= 0 || height <= 0 || width > kMaxBmpSide || height > kMaxBmpSide)
        return {};
    const int64_t stride = (int64_t{width} * 3 + 3) / 4 * 4;
    if (pixelsAt < kFileHeaderBytes + int64_t{kInfoHeaderBytes}
        || pixelsAt + stride * height > static_cast<int64_t>(data.size()))
        return {};
    Pixels pixels;
    if (!pixels.Allocate(width, height))
        return {};
    for (int y = 0; y < height; ++y) {
        const unsigned char* bgr = data.data() + pixelsAt + stride * (height - 1 - y);
        uint32_t* row = pixels.Row(y);
        for (int x = 0; x < width; ++x, bgr += 3)
            row[x] = 0xFF000000u | uint32_t{bgr[2]} << 16 | uint32_t{bgr[1]} << 8 | bgr[0];
    }
    return pixels;
}

QImage DecodeBmp24(const QByteArray& data)
{
    return ImageOf(DecodeBmp24(
        std::span(reinterpret_cast<const unsigned char*>(data.constData()), static_cast<size_t>(data.size()))));
}
