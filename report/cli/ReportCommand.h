// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/language/Language.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace report {

// `detector-lab-report JOURNAL.csv -o FILE`: reads the journal, replays it
// (rows that do not reproduce are marked in the report), analyses it and
// writes the report as FILE.pdf, FILE.odt or FILE.xlsx, whole or not at
// all. Prints what it did on `out`, one line on `err` for a failure;
// returns 0 (every row reproduces), 1 (some do not; the report is written)
// or 2 (a bad command line, no journal, a report that cannot be written).
// The report's words are Russian unless --lang en asks for English; its
// machine-readable parts (the command that verifies, the seed, the file
// names) are the same in either.
// A PDF or ODT needs a QApplication.
int RunReportCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// What the command's arguments ask for.
struct ReportRequest {
    std::string Journal;
    std::string Output;
    std::string Student;
    std::string Group;
    std::string Date;
    Language Spoken = Language::Russian;
    bool Help = false;
    bool Version = false;
    std::string Error;
};
ReportRequest ReadReportRequest(const std::vector<std::string>& arguments);

} // namespace report
