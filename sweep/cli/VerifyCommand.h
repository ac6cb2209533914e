#pragma once

#include <atomic>
#include <string>
#include <vector>

namespace sweep {

// Whether the command line asks to verify a journal of the laboratory program.
bool AsksToVerify(const std::vector<std::string>& arguments);

// What verifying a journal gives: the report for standard output, or one
// line saying why nothing could be verified, and the exit status: 0 every
// row reproduces, 1 a row does not, 2 a bad command line or a file that is
// not a journal, 128 + the signal's number when interrupted.
struct Verification {
    int Status = 0;
    std::string Report;
    std::string Error;
};

// `detector-lab-sweep --verify FILE.csv`: replays the journal on a bench of
// its own built with the journal's seed, in order, and reports for each row
// "reproduces" or what the bench gives instead. `stop` ends the replay
// between rows once it is non-zero.
Verification VerifyJournal(const std::vector<std::string>& arguments, const std::atomic<int>* stop = nullptr);

// Larger files are refused unread: a journal of the most rows is far smaller.
inline constexpr std::size_t MaxJournalBytes = 64u << 20;

} // namespace sweep
