// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A decoded picture held without Qt: start-up decodes its first pictures on
// a second thread while the application object is being built, and nothing
// of Qt may be touched there (a QImage asks the half-built application for
// its screens).

#include <QImage>

#include <cstdint>
#include <vector>

// Rows from the top down, each pixel one 0xFFRRGGBB word: the layout of
// QImage::Format_RGB32.
struct Pixels {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Words;

    bool IsNull() const { return Words.empty(); }
    uint32_t* Row(int y) { return Words.data() + static_cast<size_t>(y) * static_cast<size_t>(Width); }
    // Width × Height words, or false when that is no picture or no memory is left.
    bool Allocate(int width, int height);
};

// The picture as a QImage of Format_RGB32 that takes over the words without
// copying them; a null image for null pixels. Only where Qt may be used.
QImage ImageOf(Pixels pixels);
