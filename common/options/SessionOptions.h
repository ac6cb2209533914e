// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/language/Language.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How the laboratory program's session starts, from its command line: on a
// bench built with a seed given (an instructor's variant), or going on from
// a journal file; by default on a clock seed; and in which language, for
// this run only. Other arguments are left to Qt.
struct SessionOptions {
    std::optional<uint32_t> Seed;
    std::optional<std::string> ContinuedJournal;
    std::optional<Language> AskedLanguage;
    // Why the arguments cannot be used, in one line; empty when they can.
    std::string Error;
};

// Reads --seed N, --seed=N, --continue FILE, --continue=FILE, --lang CODE
// and --lang=CODE from the arguments (without the program's name). A seed is
// a whole number from 0 to 4294967295; the first two options exclude each
// other, since a continued session has its journal's seed; a language is
// "en" or "ru"; each option may be given once.
SessionOptions ReadSessionOptions(const std::vector<std::string>& arguments);
