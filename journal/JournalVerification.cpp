// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalVerification.h"

#include "JournalReplay.h"
#include "RoundedResave.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

namespace journal {

namespace {

Verification Refused(int status, std::string error)
{
    return {status, {}, std::move(error)};
}

// The whole file, or why it cannot be read.
std::optional<std::string> ReadFile(const std::string& path, std::string& error)
{
    std::error_code status;
    if (std::filesystem::is_directory(path, status)) {
        error = "'" + path + "' is a folder, not a journal";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    std::string text;
    char block[65536];
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        text.append(block, static_cast<size_t>(in.gcount()));
        if (text.size() > MaxJournalBytes) {
            error = path + " is larger than " + std::to_string(MaxJournalBytes >> 20) + " MiB, more than a journal holds";
            return std::nullopt;
        }
    }
    if (in.bad()) {
        error = "cannot read " + path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    return text;
}

} // namespace

Verification VerifyJournalFile(const std::string& path, const std::atomic<int>* stop)
{
    std::string error;
    const std::optional<std::string> text = ReadFile(path, error);
    if (!text)
        return Refused(2, error);
    const ReadJournal journal = ReadJournalCsv(*text);
    if (!journal.Error.empty())
        return Refused(2, path + " line " + std::to_string(journal.ErrorLine) + ": " + journal.Error);

    const std::vector<RowCheck> checks = ReplayJournal(journal, stop);
    if (stop != nullptr && stop->load() != 0)
        return Refused(128 + stop->load(), "interrupted; " + std::to_string(checks.size()) + " of "
            + std::to_string(journal.Content.Rows.size()) + " rows replayed");
    if (const std::optional<std::string> rounded = RoundedResaveError(checks))
        return Refused(2, path + ": " + *rounded);
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
    verification.Report += reproduced == rows ? "every row reproduces\n"
                                              : std::to_string(reproduced) + " of " + std::to_string(rows)
            + " rows reproduce\n";
    verification.Status = reproduced == rows ? 0 : 1;
    return verification;
}

} // namespace journal
