// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/JournalVerification.h"

#include <atomic>
#include <iosfwd>
#include <string>
#include <vector>

namespace sweep {

// Whether the command line asks to verify journals of the laboratory program.
bool AsksToVerify(const std::vector<std::string>& arguments);

// What a --verify command line asks for: journal files and folders, and
// for a class, its list of assigned seeds and a file for the summary.
struct VerifyRequest {
    std::vector<std::string> Paths;
    std::string SeedsFile;
    std::string CsvFile;
    std::string XlsxFile;
    // Why the command line asks for nothing that can be done; empty when it can.
    std::string Error;

    // One journal file and nothing else: its report row by row.
    // (--seeds, --csv or --xlsx make a class of one.)
    bool OneJournal() const;
};

VerifyRequest ReadVerifyRequest(const std::vector<std::string>& arguments);

// `detector-lab-sweep --verify FILE.csv`: the journal's verification, or why
// the command line names no journal (status 2).
journal::Verification VerifyJournal(const std::vector<std::string>& arguments, const std::atomic<int>* stop = nullptr);

// The whole --verify command: for one journal its report row by row; for
// several files, folders of journals, or with a class list (--seeds) or a
// summary file (--csv, --xlsx), one line a journal and a summary. Prints to `out`,
// says what went wrong on `err`, and returns the exit status: 0 every
// journal reproduces (and has its assigned seed), 1 one does not, 2 a bad
// command line or what is no journal given alone, 128 + the signal's number
// when interrupted.
int RunVerifyCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
    const std::atomic<int>* stop = nullptr);

} // namespace sweep
