// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ReportSource.h"

#include <QString>

#include <set>
#include <utility>
#include <vector>

namespace report {

// The words of the lab report, worked out from the journal, in the run's
// language (ProgramLanguage()): Russian, the source texts, or their English
// translation when the program's English texts are installed.

// The title block: student, group, date, the journal and its seed.
std::vector<std::pair<QString, QString>> TitleBlock(const ReportSource& source);

QString AimOfTheWork();

// An exercise the journal used: its switch positions and what it is.
struct Configuration {
    int K1 = 1;
    int K2 = 1;
    int K3 = 1;
    QString Description;
};
std::vector<Configuration> ConfigurationsUsed(const JournalAnalysis& analysis);

// How many rows, points and refusals the journal holds.
QString RowsSummary(const ReportSource& source);
// Points that pair with nothing; empty when every point has its pair.
QString UnpairedSummary(const JournalAnalysis& analysis);
// The rows' numbers, a run of three or more that reproduce as a range, a "*"
// after each that did not reproduce ("1–3, 5*, 6"); at most twelve pieces,
// then how many rows there are.
QString MarkedRows(const std::vector<int64_t>& rows, const std::set<int64_t>& differing);

// How many points agree with theory at the 95 % level, and what that means.
QString ComparisonSummary(const JournalAnalysis& analysis);
// The seed, the journal's file, the command that replays it and what the
// replay found.
std::vector<QString> VerificationText(const ReportSource& source);
// A short summary of what was measured, for the student to edit.
std::vector<QString> Conclusions(const JournalAnalysis& analysis);

} // namespace report
