// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <iosfwd>
#include <string>
#include <vector>

namespace sweep {

// What the command learns from its process.
struct CommandContext {
    bool ShowProgress = false;                  // standard error is a terminal
    const std::atomic<int>* Interruption = nullptr; // the signal that asks to stop; 0 while none
};

// The whole detector-lab-sweep command: reads the options, runs the sweep,
// prints the table (or CSV) and writes the requested files. Returns the exit
// status: 0 done, 1 an output could not be written (standard output
// included), 2 a bad option, 128 + the signal's number when interrupted
// (nothing written then).
int RunSweepCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
    const CommandContext& context = {});

} // namespace sweep
