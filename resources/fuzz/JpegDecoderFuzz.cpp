// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte string given to the JPEG decoder is either a picture within the size
// limits or a reported failure with a null image.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "resources/JpegDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray stream =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QImage image;
    QString error;
    const bool decoded = DecodeJpeg(stream, image, &error);
    if (decoded != !image.isNull())
        std::abort();
    if (decoded && (image.width() > kMaxJpegSide || image.height() > kMaxJpegSide))
        std::abort();
    if (!decoded && error.isEmpty())
        std::abort();
    return 0;
}
