// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/JournalVerification.h"

#include <atomic>
#include <string>
#include <vector>

namespace sweep {

// Whether the command line asks to verify a journal of the laboratory program.
bool AsksToVerify(const std::vector<std::string>& arguments);

// `detector-lab-sweep --verify FILE.csv`: the journal's verification, or why
// the command line names no journal (status 2).
journal::Verification VerifyJournal(const std::vector<std::string>& arguments, const std::atomic<int>* stop = nullptr);

} // namespace sweep
