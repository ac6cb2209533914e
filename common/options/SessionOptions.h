// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How the laboratory program's session starts, from its command line: on a
// bench built with a seed given (an instructor's variant), or going on from
// a journal file; by default on a clock seed. Other arguments are left to Qt.
struct SessionOptions {
    std::optional<uint32_t> Seed;
    std::optional<std::string> ContinuedJournal;
    // Why the arguments cannot be used, in one line; empty when they can.
    std::string Error;
};

// Reads --seed N, --seed=N, --continue FILE and --continue=FILE from the
// arguments (without the program's name). A seed is a whole number from 0
// to 4294967295; the two options exclude each other, since a continued
// session has its journal's seed; each may be given once.
SessionOptions ReadSessionOptions(const std::vector<std::string>& arguments);
