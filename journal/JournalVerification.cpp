// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalVerification.h"

#include "JournalFile.h"
#include "JournalReplay.h"

#include <optional>

namespace journal {

namespace {

Verification Refused(int status, std::string error)
{
    return {status, {}, std::move(error)};
}

} // namespace

Verification VerifyJournalFile(const std::string& path, const std::atomic<int>* stop)
{
    std::string error;
    const std::optional<std::string> text = ReadJournalFile(path, error);
    if (!text)
        return Refused(2, error);
    const ReadJournal journal = ReadJournalCsv(*text);
    if (!journal.Error.empty())
        return Refused(2, path + " line " + std::to_string(journal.ErrorLine) + ": " + journal.Error);

    const std::vector<RowCheck> checks = ReplayJournal(journal, stop);
    if (stop != nullptr && stop->load() != 0)
        return Refused(128 + stop->load(), "interrupted; " + std::to_string(checks.size()) + " of "
            + std::to_string(journal.Content.Rows.size()) + " rows replayed");
    const size_t rows = journal.Content.Rows.size();
    Verification verification;
    verification.Report = "journal " + path + ": seed " + std::to_string(journal.Content.Seed) + ", "
        + std::to_string(rows) + (rows == 1 ? " row" : " rows") + ", replayed on a bench of its own\n";
    size_t reproduced = 0;
    for (size_t i = 0; i < checks.size(); ++i) {
        const RowCheck& check = checks[i];
        verification.Report += "row " + journal.FileCells[i][column::Number] + " (line " + std::to_string(check.Line)
            + "): " + (check.Reproduces ? "reproduces" : "differs: " + check.Difference) + '\n';
        reproduced += check.Reproduces ? 1 : 0;
    }
    if (journal.TornLine != 0)
        verification.Report += "line " + std::to_string(journal.TornLine)
            + " is cut short, a row the program was writing when it ended: dropped, not replayed\n";
    verification.Report += reproduced == rows ? "every row reproduces\n"
                                              : std::to_string(reproduced) + " of " + std::to_string(rows)
            + " rows reproduce\n";
    verification.Status = reproduced == rows ? 0 : 1;
    return verification;
}

} // namespace journal
