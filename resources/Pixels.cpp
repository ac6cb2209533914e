// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pixels.h"

#include <new>

bool Pixels::Allocate(int width, int height)
{
    Width = 0;
    Height = 0;
    Words.clear();
    if (width <= 0 || height <= 0)
        return false;
    try {
        Words.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0xFF000000u);
    } catch (const std::bad_alloc&) {
        return false;
    }
    Width = width;
    Height = height;
    return true;
}

QImage ImageOf(Pixels pixels)
{
    if (pixels.IsNull())
        return {};
    auto* owned = new std::vector<uint32_t>(std::move(pixels.Words));
    return QImage(reinterpret_cast<uchar*>(owned->data()), pixels.Width, pixels.Height,
                  static_cast<qsizetype>(pixels.Width) * 4, QImage::Format_RGB32,
                  [](void* words) { delete static_cast<std::vector<uint32_t>*>(words); }, owned);
}
