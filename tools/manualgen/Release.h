// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace manualgen {

// What the build knows of the release that the texts name.
struct Release {
    std::string Package;   // "Detector Lab"
    std::string Version;   // "1.0.0"
    std::string Date;      // "2026-12-08", the release's date, shown on the page
    std::string Copyright; // "2026 Detector Lab developers"
};

} // namespace manualgen
