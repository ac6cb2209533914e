// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sweep/lib/Sweep.h"
#include "sweep/plot/interface/SweepPlotInterface.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sweep {

// The picture of the results as the bytes of a PNG or SVG file, drawn by the
// picture module, which is loaded the first time a picture is asked for:
// from beside the program (the build tree), else from where it is
// installed. Empty bytes when it could not be drawn, with why in `error`
// when the module could not be loaded.
std::string DrawPicture(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results,
    bool svg, std::string& error);

// Loads the module in the file and returns its drawer; nothing, with what is
// wrong in `error`, for a file that is no whole module of this version.
PlotDrawer LoadPictureModule(const std::string& path, std::string& error);

// Tests set a drawer in place of the module's; nullptr goes back to loading
// it. Returns the drawer replaced.
PlotDrawer SetPlotDrawer(PlotDrawer drawer);

} // namespace sweep
