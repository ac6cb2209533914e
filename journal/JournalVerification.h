// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace journal {

// What verifying a journal file gives: the report, or one line saying why
// nothing could be verified, and the exit status: 0 every row reproduces,
// 1 a row does not, 2 a file that is not a journal or whose numbers a
// spreadsheet rounded when it saved it again, 128 + the signal's
// number when interrupted. The texts are English, as detector-lab-sweep
// speaks.
struct Verification {
    int Status = 0;
    std::string Report;
    std::string Error;
    // What Error says is wrong, without naming the file ("line 5: ...").
    std::string Problem;
    // What was found, for a class's summary: the journal's seed, its rows,
    // the numbers of those that do not reproduce (as the file has them),
    // and the line of a last row cut short (0 when none).
    uint32_t Seed = 0;
    size_t Rows = 0;
    std::vector<std::string> DifferingRows;
    size_t TornLine = 0;
};

// Replays the journal in the file on a bench of its own built with the
// journal's seed, in order, and reports for each row "reproduces" or what
// the bench gives instead. `stop` ends the replay between rows once it is
// non-zero.
Verification VerifyJournalFile(const std::string& path, const std::atomic<int>* stop = nullptr);

} // namespace journal
