// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/Measurement.h"

#include <array>
#include <cstdint>

// Which of the twelve schematic pictures of the main window belongs to which
// switch positions. The dialog that shows and hides the pictures and the main
// window that looks up the current one both read this one table.
struct SchemePosition {
    SwitchConfiguration Switches;
    const char* ImageName;
};

// In the order the main window creates its pictures.
inline constexpr std::array<SchemePosition, 12> SchemeTable{{
    {{0, 0, 0}, "Image111"},
    {{0, 0, 1}, "Image112"},
    {{0, 1, 0}, "Image121"},
    {{0, 1, 1}, "Image122"},
    {{1, 0, 0}, "Image211"},
    {{1, 0, 1}, "Image212"},
    {{1, 1, 0}, "Image221"},
    {{1, 1, 1}, "Image222"},
    {{2, 0, 0}, "Image311"},
    {{2, 0, 1}, "Image312"},
    {{2, 1, 0}, "Image321"},
    {{2, 1, 1}, "Image322"},
}};

// The row of the table for the given positions, or -1 when they lie outside it.
int SchemeSlot(const SwitchConfiguration& switches);
