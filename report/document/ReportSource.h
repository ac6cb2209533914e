// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/JournalAnalysis.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <set>

namespace report {

// Who hands the report in: asked once in the program and remembered.
struct ReportTitle {
    QString Student;
    QString Group;
    QString Date;
};

// What a report is made from: the journal's analysis, its file, and what
// replaying it found (rows that do not reproduce are marked), when it was
// replayed.
struct ReportSource {
    JournalAnalysis Analysis;
    QString JournalFile;
    ReportTitle Title;
    // The rows replayed and the numbers of those that differ; nothing when
    // the journal was not replayed.
    std::optional<size_t> RowsReplayed;
    std::set<int64_t> DifferingRows;
};

} // namespace report
