// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
// A PDF or ODT needs a QApplication.
int RunReportCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// What the command's arguments ask for.
struct ReportRequest {
    std::string Journal;
    std::string Output;
    std::string Student;
    std::string Group;
    std::string Date;
    bool Help = false;
    bool Version = false;
    std::string Error;
};
ReportRequest ReadReportRequest(const std::vector<std::string>& arguments);

} // namespace report
