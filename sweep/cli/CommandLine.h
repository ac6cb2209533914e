// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sweep/lib/SweepSettings.h"

#include <string>
#include <vector>

namespace sweep {

struct CommandLine {
    SweepSettings Settings;
    bool Help = false;
    bool Version = false;
    std::string Error; // one line saying what is wrong; empty when sound
};

// Reads and checks the options (the program's name not included). Every
// option is checked here, files' folders too, before anything runs.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// What --help and --version print: made from detector-lab-sweep.manual,
// which the manual page is made from too.
std::string UsageText();
std::string VersionText();

} // namespace sweep
