// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What detector-lab-sweep and its picture module share, and all they share.
// The module carries the pictures with Qt Charts and Qt SVG (and the Qt Gui,
// Widgets and OpenGL beneath them), which the program loads only when asked
// for a picture: a table, --verify, --help and --version start without
// them. Header-only.

#include "sweep/lib/Sweep.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sweep {

// Puts the picture of a sweep's results (sweep::DrawPlot) into `picture` as
// the bytes of a PNG or SVG file; nothing when it could not be drawn or
// encoded. (The bytes come back through a reference: a C-linkage function
// returns no class.)
using PlotDrawer = void (*)(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results,
    bool svg, std::string& picture);

// The names the module exports: the drawer, and the stamp of this interface
// that it was built with (a function returning a uint64_t).
inline constexpr char PlotDrawerName[] = "dl_draw_sweep_plot";
inline constexpr char PlotInterfaceStampName[] = "dl_sweep_plot_interface_stamp";
// Raised whenever the drawer's signature changes. The stamp adds the sizes
// of the types the drawer is handed, so that a module built against other
// ones is refused instead of called.
inline constexpr uint64_t PlotInterfaceVersion = 1;
inline constexpr uint64_t PlotInterfaceStamp =
    (PlotInterfaceVersion << 48) | (uint64_t{sizeof(SweepSettings)} << 24) | uint64_t{sizeof(PointResult)};

} // namespace sweep
