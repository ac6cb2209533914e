#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The whole detector-lab-sweep command: reads the options, runs the sweep,
// prints the table (or CSV) and writes the requested files. Returns the exit
// status: 0 done, 1 a file could not be written, 2 a bad option.
int RunSweepCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
